#pragma once

#include "engine/forms/calculationoutcome.h"
#include "engine/forms/message.h"

namespace izoku::engine {

struct FrmhokenForm;
struct FrmRavoForm;

// "必要補償額算出" with the household carried over: the family (names, birth
// dates, ages, 障害, 対象), the husband's membership, his pension record
// and its period dates, and the reference date the ages were counted at,
// from the survivors' pension screen to the needs-analysis screen, so the
// agent types one household once.  What only the needs analysis asks
// (income, expenses, insurance) stays as it is; the sheet of the household
// there before is cleared.
CalculationOutcome CarryHousehold(FrmhokenForm &needs, const FrmRavoForm &pension);

// Asked before carrying: "No" opens the needs-analysis screen as it is.
Message CarryHouseholdQuestion();

} // namespace izoku::engine
