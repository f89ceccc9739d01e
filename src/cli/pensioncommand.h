#pragma once

#include "commands.h"

namespace izoku::cli {

// izoku-calc pension: "年金計算" of the survivors' pension screen.
Command PensionCommand();

} // namespace izoku::cli
