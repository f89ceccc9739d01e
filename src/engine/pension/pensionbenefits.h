#pragma once

#include "frmravoform.h"
#include "survivorsbenefits.h"

#include "engine/forms/message.h"
#include "engine/law/pensionlaw.h"

#include <QDate>

#include <span>
#include <vector>

// The steps of the pension calculation that place the benefits in the
// result slots of the survivors' pension screen.  A step returns false when
// a figure is beyond any whole number and the calculation must end there.
namespace izoku::engine {

// Rows 1 to 8 of the schedule for this household; the years as figures.
std::vector<BasicPensionYear> FillHouseholdYears(FrmRavoForm &form, const PensionLaw &law);

// The survivors' basic pension phases over those years.
void PlaceBasicPensionPhases(FrmRavoForm &form, std::span<const BasicPensionYear> years);

// The household and the husband's record as the decisions read them: the
// widow's pension his paid national months earn by the law, the survivors'
// basic pension as the schedule holds it.
SurvivorsCase PensionSurvivorsCase(const FrmRavoForm &form, const PensionLaw &law, const QDate &today);

// Every other benefit, as decided for the household's membership, into the
// result slots; the formula panels are worked out when a survivors'
// employees' pension is in question.
bool PlaceSurvivorsBenefits(FrmRavoForm &form, const PensionLaw &law, const QDate &today, Messages &messages);

} // namespace izoku::engine
