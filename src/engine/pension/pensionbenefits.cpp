#include "pensionbenefits.h"

#include "formulapanelslots.h"
#include "widowbenefits.h"

#include "engine/dates/ages.h"
#include "engine/text/numbertext.h"

#include <algorithm>

namespace izoku::engine {

namespace {

using S = BenefitSlots;

const QString kZero = QStringLiteral("0");

// Twenty-five years of insurance in all: the husband had qualified for an
// old-age pension, the long requirement of the survivors' employees' pension.
constexpr double kLongRequirementMonths = 300;

double field(const FrmRavoForm &form, int index)
{
    return LeadingNumber(form.text6[index]);
}

double employeesMonths(const FrmRavoForm &form)
{
    return field(form, Text6::MonthsTo2003) + field(form, Text6::MonthsFrom2003);
}

void setZero(FrmRavoForm &form, std::initializer_list<int> resultSlots)
{
    for (int slot : resultSlots)
        form.num4[slot] = kZero;
}

bool noBasicPensionPhase(const FrmRavoForm &form)
{
    for (int phase = 0; phase < kMaxBasicPensionPhases; ++phase) {
        if (LeadingNumber(form.num4[S::PhaseAmount(phase)]) != 0)
            return false;
    }
    return true;
}

// The death lump sum by the paid national months; no value when the months
// are beyond a whole number.
std::optional<std::int32_t> lumpSum(const FrmRavoForm &form)
{
    const auto months = ToInt16(field(form, Text6::NationalPaidMonths));
    if (!months)
        return std::nullopt;
    return DeathLumpSum(*months);
}

void placeLumpSum(FrmRavoForm &form, std::int32_t amount, bool placed)
{
    if (placed && amount != 0) {
        form.num4[S::LumpSumAge] = PlainNumber(form.household.WifeAge());
        form.num4[S::LumpSumAmount] = QString::number(amount);
    } else {
        setZero(form, {S::LumpSumAge, S::LumpSumAmount});
    }
}

bool computePanels(FrmRavoForm &form, Messages &messages)
{
    if (!SetPanelInputs(form.num3, form.text6, form.household.members[HouseholdIndex::Husband].birth, messages))
        return false;
    ComputePanelSlots(form.num3);
    return true;
}

} // namespace

std::vector<BasicPensionYear> FillHouseholdYears(FrmRavoForm &form, const BaseData &base)
{
    return form.schedule.FillHouseholdRows(form.household.WifeAge(), form.household.PresentChildren(),
                                           {base.BasicPensionAmount, base.ChildAddition1, base.ChildAddition2});
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

void PlaceMiddleAgedAddition(FrmRavoForm &form, const QDate &today)
{
    const auto lastEntitlementAge = WifeAgeWhenLastChildStopsCounting(form.household, today);
    const auto range = MiddleAgedWidowsAddition(employeesMonths(form), lastEntitlementAge.has_value(),
                                                lastEntitlementAge.value_or(0), form.household.WifeAge());
    if (!range)
        return;
    form.num4[S::MiddleAgedFirstAge] = PlainNumber(range->firstAge);
    form.num4[S::MiddleAgedLastAge] = PlainNumber(range->lastAge);
    form.num4[S::MiddleAgedAmount] = QString::number(kMiddleAgedWidowsAdditionAmount);
}

void PlaceTransitionalAddition(FrmRavoForm &form)
{
    if (LeadingNumber(form.num4[S::MiddleAgedAmount]) == 0)
        return;
    const QDate wifeBirth = form.household.members[HouseholdIndex::Wife].birth;
    form.num4[S::TransitionalAmount] = QString::number(TransitionalWidowsAddition(wifeBirth));
    form.num4[S::TransitionalFirstAge] = PlainNumber(kTransitionalAdditionFirstAge);
}

bool PlaceWidowsPensionOrLumpSum(FrmRavoForm &form, double widowsPension)
{
    if (field(form, Text6::NationalPaidMonths) >= kWidowsPensionMonths) {
        form.num4[S::WidowsPensionFirstAge] = PlainNumber(kWidowsPensionFirstAge);
        form.num4[S::WidowsPensionLastAge] = PlainNumber(kWidowsPensionLastAge);
        form.num4[S::WidowsPensionAmount] = PlainNumber(widowsPension);
        setZero(form, {S::LumpSumAge, S::LumpSumAmount});
        return true;
    }
    setZero(form, {S::WidowsPensionFirstAge, S::WidowsPensionLastAge, S::WidowsPensionAmount});
    const auto amount = lumpSum(form);
    if (!amount)
        return false;
    // The lump sum is for a widow left without the survivors' basic pension.
    const bool noBasicPension = form.schedule.number(ScheduleRow::BasicPension, 1) == 0;
    placeLumpSum(form, *amount, noBasicPension && noBasicPensionPhase(form));
    return true;
}

bool PlaceEmployeesPensionOfEmployee(FrmRavoForm &form, Messages &messages)
{
    if (!computePanels(form, messages))
        return false;
    const double wifeAge = form.household.WifeAge();
    form.num4[S::EmployeesPensionAmount] = form.num3[Num3::ShortNewAmount];
    form.num4[S::EmployeesPensionFirstAge] = PlainNumber(wifeAge);
    // A widow under 30 without a child receives it for five years only.
    const bool forLife = wifeAge >= 30 || form.household.AnyChildPresent();
    form.num4[S::EmployeesPensionLastAge] = forLife ? kZero : PlainNumber(wifeAge + 4);
    return true;
}

bool PlaceEmployeesPensionOfNationalMember(FrmRavoForm &form, Messages &messages)
{
    const double months = employeesMonths(form);
    const double allMonths = field(form, Text6::NationalPaidMonths) + months;
    if (!(months > 0 && allMonths >= kLongRequirementMonths)) {
        setZero(form, {S::EmployeesPensionFirstAge, S::EmployeesPensionLastAge, S::EmployeesPensionAmount});
        return true;
    }
    if (!computePanels(form, messages))
        return false;
    if (LeadingNumber(form.num4[S::WidowsPensionAmount]) == 0)
        return true;
    if (form.choice == SurvivorChoice::EmployeesPension) {
        form.num4[S::EmployeesPensionAmount] = form.num3[Num3::LongNewAmount];
        form.num4[S::EmployeesPensionFirstAge] = PlainNumber(form.household.WifeAge());
        setZero(form, {S::WidowsPensionFirstAge, S::WidowsPensionLastAge, S::WidowsPensionAmount, S::LumpSumAge,
                       S::LumpSumAmount});
    } else {
        setZero(form, {S::EmployeesPensionFirstAge, S::EmployeesPensionAmount, S::LumpSumAge, S::LumpSumAmount});
    }
    return true;
}

bool PlaceLumpSumOfEmployee(FrmRavoForm &form)
{
    const auto amount = lumpSum(form);
    if (!amount)
        return false;
    placeLumpSum(form, *amount, !form.household.AnyChildPresent() && noBasicPensionPhase(form));
    return true;
}

} // namespace izoku::engine
