#pragma once

#include "message.h"

namespace izoku::engine {

// What a calculation asks the window to show, in order; `stopped` when one
// of the input checks ended it before anything was cleared.
struct CalculationOutcome {
    Messages messages;
    bool stopped = false;
};

} // namespace izoku::engine
