#pragma once

#include "commands.h"

namespace izoku::cli {

// izoku-calc needs: the needs-analysis screen's calculation buttons, in the
// order the agent presses them.
Command NeedsCommand();

} // namespace izoku::cli
