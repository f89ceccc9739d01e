#pragma once

#include "engine/basedata/basedata.h"
#include "engine/forms/message.h"

#include <QDate>

namespace izoku::engine {

struct FrmhokenForm;

// The survivors' benefits of the household on the needs-analysis screen, by
// the husband's membership: rows 0..8 of the sheet (ages, children that
// count, survivors' basic pension) and the result slots of block ① with
// the ages they are paid at.  The slots are "0" and the sheet prepared
// before this runs.  `widowsPension` is the widow's pension the husband's
// national pension months earn.  False when the employees' months, or the
// paid months a death lump sum is looked up by, are beyond any whole number.
[[nodiscard]] bool DetermineBenefits(FrmhokenForm &form, const BaseData &baseData, double widowsPension,
                                     const QDate &today, Messages &messages);

} // namespace izoku::engine
