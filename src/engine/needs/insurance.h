#pragma once

#include "engine/forms/calculationoutcome.h"

namespace izoku::engine {

struct FrmhokenForm;

// "生保データの登録": checks that every policy is entered whole and spreads
// the life insurance held over the sheet by the husband's would-be age: a
// level term policy in the years his age lies in [from, to], a whole-life
// policy every year from its from-age on (rows 43..47), and their total
// (row 48).  The policy rows are cleared first, so a policy whose ages were
// narrowed leaves nothing behind in the years that fell out.
CalculationOutcome RegisterInsurance(FrmhokenForm &form);

} // namespace izoku::engine
