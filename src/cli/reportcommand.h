#pragma once

#include "commands.h"

namespace izoku::cli {

// izoku-calc report --output FILE: the consultation report of the
// needs-analysis screen, from the same input as izoku-calc needs, so that an
// agency can write its customers' reports in bulk.
Command ReportCommand();

} // namespace izoku::cli
