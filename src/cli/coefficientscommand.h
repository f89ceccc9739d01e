#pragma once

#include "commands.h"

namespace izoku::cli {

// izoku-calc coefficients: one worked example of the coefficient calculator.
Command CoefficientsCommand();

} // namespace izoku::cli
