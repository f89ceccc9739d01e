#pragma once

#include "frmravoform.h"

#include "engine/basedata/basedata.h"
#include "engine/forms/message.h"

#include <QDate>

#include <span>
#include <vector>

// The steps of the pension calculation that place one benefit each in the
// result slots of the survivors' pension screen.  A step returns false when
// a figure is beyond any whole number and the calculation must end there.
namespace izoku::engine {

// Rows 1 to 8 of the schedule for this household; the years as figures.
std::vector<BasicPensionYear> FillHouseholdYears(FrmRavoForm &form, const BaseData &base);

// The survivors' basic pension phases over those years.
void PlaceBasicPensionPhases(FrmRavoForm &form, std::span<const BasicPensionYear> years);

// 中高齢寡婦加算, from the children that still count today.
void PlaceMiddleAgedAddition(FrmRavoForm &form, const QDate &today);

// 経過的寡婦加算, only beside a middle-aged addition.
void PlaceTransitionalAddition(FrmRavoForm &form);

// The national pension member's widow's pension W, or else the death lump
// sum when no child brings a survivors' basic pension.
bool PlaceWidowsPensionOrLumpSum(FrmRavoForm &form, double widowsPension);

// The salaried husband's survivors' employees' pension (short requirement).
bool PlaceEmployeesPensionOfEmployee(FrmRavoForm &form, Messages &messages);

// A national pension member's survivors' employees' pension under the long
// requirement, against the widow's pension by the agent's choice.
bool PlaceEmployeesPensionOfNationalMember(FrmRavoForm &form, Messages &messages);

// The salaried husband's death lump sum, for a household without children.
bool PlaceLumpSumOfEmployee(FrmRavoForm &form);

} // namespace izoku::engine
