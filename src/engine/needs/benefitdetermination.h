#pragma once

#include "engine/forms/message.h"
#include "engine/law/pensionlaw.h"
#include "engine/pension/survivorsbenefits.h"

#include <QDate>

namespace izoku::engine {

struct FrmhokenForm;

// The survivors' benefits of the household on the needs-analysis screen, by
// the husband's membership: rows 0..8 of the sheet (ages, children that
// count, survivors' basic pension) and the result slots of block ① with
// the ages they are paid at.  The slots are "0" and the sheet prepared
// before this runs.  False when the employees' months, or the paid months a
// death lump sum is looked up by, are beyond any whole number.
[[nodiscard]] bool DetermineBenefits(FrmhokenForm &form, const PensionLaw &law, const QDate &today, Messages &messages);

// The household and the husband's record as the benefit decisions read them
// from the screen, rows 0..8 of the sheet included: what the benefits paid
// are decided on, and what the consultation report explains them by.
SurvivorsCase NeedsSurvivorsCase(const FrmhokenForm &form, const PensionLaw &law, const QDate &today);

} // namespace izoku::engine
