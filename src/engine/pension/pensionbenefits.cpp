#include "pensionbenefits.h"

#include "formulapanelslots.h"
#include "survivorsbenefits.h"

#include "engine/text/numbertext.h"

namespace izoku::engine {

namespace {

using S = BenefitSlots;

double field(const FrmRavoForm &form, int index)
{
    return LeadingNumber(form.text6[index]);
}

double employeesMonths(const FrmRavoForm &form)
{
    return field(form, Text6::MonthsTo2003) + field(form, Text6::MonthsFrom2003);
}

bool noBasicPensionPhase(const FrmRavoForm &form)
{
    for (int phase = 0; phase < kMaxBasicPensionPhases; ++phase) {
        if (LeadingNumber(form.num4[S::PhaseAmount(phase)]) != 0)
            return false;
    }
    return true;
}

bool computePanels(FrmRavoForm &form, const PensionLaw &law, Messages &messages)
{
    if (!SetPanelInputs(form.num3, form.text6, form.household.members[HouseholdIndex::Husband].birth, law, messages))
        return false;
    ComputePanelSlots(form.num3, law);
    return true;
}

} // namespace

std::vector<BasicPensionYear> FillHouseholdYears(FrmRavoForm &form, const PensionLaw &law)
{
    return form.schedule.FillHouseholdRows(form.household.WifeAge(), form.household.PresentChildren(),
                                           {law.basicPension, law.childAddition1, law.childAddition2});
}

void PlaceBasicPensionPhases(FrmRavoForm &form, std::span<const BasicPensionYear> years)
{
    const auto phases = BasicPensionPhases(years);
    for (std::size_t p = 0; p < phases.size(); ++p) {
        const int phase = static_cast<int>(p);
        form.num4[S::PhaseFirstAge(phase)] = PlainNumber(phases[p].firstAge);
        form.num4[S::PhaseLastAge(phase)] = PlainNumber(phases[p].lastAge);
        form.num4[S::PhaseAmount(phase)] = PlainNumber(phases[p].amount);
    }
}

SurvivorsCase PensionSurvivorsCase(const FrmRavoForm &form, const PensionLaw &law, const QDate &today)
{
    SurvivorsCase household = SurvivorsCaseOf(form.household, form.membership, form.choice, today);
    household.nationalMonths = field(form, Text6::NationalPaidMonths);
    household.employeesMonths = employeesMonths(form);
    household.widowsPension = WidowsPensionAmount(law, household.nationalMonths);
    household.firstYearBasicPension = form.schedule.number(ScheduleRow::BasicPension, 1);
    household.basicPensionPhase = !noBasicPensionPhase(form);
    return household;
}

bool PlaceSurvivorsBenefits(FrmRavoForm &form, const PensionLaw &law, const QDate &today, Messages &messages)
{
    const SurvivorsDecision decision = DecideSurvivorsBenefits(law, PensionSurvivorsCase(form, law, today));
    if (!decision.benefits)
        return false;
    const SurvivorsBenefits &benefits = *decision.benefits;
    if (const auto &addition = benefits.middleAgedAddition) {
        form.num4[S::MiddleAgedFirstAge] = PlainNumber(addition->ages.firstAge);
        form.num4[S::MiddleAgedLastAge] = PlainNumber(addition->ages.lastAge);
        form.num4[S::MiddleAgedAmount] = QString::number(addition->amount);
    }
    if (const auto &amount = benefits.transitionalAddition) {
        form.num4[S::TransitionalAmount] = QString::number(*amount);
        form.num4[S::TransitionalFirstAge] = PlainNumber(kTransitionalAdditionFirstAge);
    }
    if (const auto &amount = benefits.widowsPension) {
        form.num4[S::WidowsPensionFirstAge] = PlainNumber(kWidowsPensionFirstAge);
        form.num4[S::WidowsPensionLastAge] = PlainNumber(kWidowsPensionLastAge);
        form.num4[S::WidowsPensionAmount] = PlainNumber(*amount);
    }
    if (const auto &lumpSum = benefits.lumpSum) {
        form.num4[S::LumpSumAge] = PlainNumber(lumpSum->wifeAge);
        form.num4[S::LumpSumAmount] = QString::number(lumpSum->amount);
    }
    if (benefits.panelsWorkedOut && !computePanels(form, law, messages))
        return false;
    if (const auto &pension = benefits.employeesPension) {
        form.num4[S::EmployeesPensionAmount] = form.num3[PanelSlots(pension->panel).amount];
        form.num4[S::EmployeesPensionFirstAge] = PlainNumber(pension->ages.firstAge);
        form.num4[S::EmployeesPensionLastAge] = PlainNumber(LastAgeShown(pension->ages, std::nullopt));
    }
    return true;
}

} // namespace izoku::engine
