#pragma once

#include "frmravoform.h"

#include "engine/basedata/basedata.h"
#include "engine/forms/message.h"

#include <QDate>

#include <span>
#include <vector>

// The steps of the pension calculation that place the benefits in the
// result slots of the survivors' pension screen.  A step returns false when
// a figure is beyond any whole number and the calculation must end there.
namespace izoku::engine {

// Rows 1 to 8 of the schedule for this household; the years as figures.
std::vector<BasicPensionYear> FillHouseholdYears(FrmRavoForm &form, const BaseData &base);

// The survivors' basic pension phases over those years.
void PlaceBasicPensionPhases(FrmRavoForm &form, std::span<const BasicPensionYear> years);

// Every other benefit, as decided for the household's membership, into the
// result slots; the formula panels are worked out when a survivors'
// employees' pension is in question.  `widowsPension` is the widow's pension
// the husband's paid national months earn.
bool PlaceSurvivorsBenefits(FrmRavoForm &form, double widowsPension, const QDate &today, Messages &messages);

} // namespace izoku::engine
