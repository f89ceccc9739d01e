#include "survivorsbenefits.h"

#include "engine/text/numbertext.h"

namespace izoku::engine {

namespace {

// A salaried husband dies insured (短期要件): the survivors' employees' pension
// is paid from her age today.  A widow under 30 without a child to raise is
// held able to earn her own living, so she receives it for five years only.
PaidFromAge employeesPensionAgesOfEmployee(const SurvivorsCase &household)
{
    const double age = household.wifeAge;
    if (age >= kLifelongEmployeesPensionAge || household.childPresent)
        return {age, std::nullopt};
    return {age, age + (kYoungWidowPaymentYears - 1)};
}

// The lump sum is for a widow left without the survivors' basic pension;
// `noBasicPension` says whether she is.  False when the months are beyond a
// whole number.
bool decideLumpSum(const SurvivorsCase &household, bool noBasicPension, SurvivorsBenefits &benefits)
{
    if (!noBasicPension || household.basicPensionPhase)
        return true;
    const auto months = ToInt16(household.nationalMonths);
    if (!months)
        return false;
    if (const std::int32_t amount = DeathLumpSum(*months); amount != 0)
        benefits.lumpSum = LumpSumPaid{household.wifeAge, amount};
    return true;
}

bool decideForEmployee(const SurvivorsCase &household, SurvivorsBenefits &benefits)
{
    const auto &last = household.lastEntitlementAge;
    benefits.middleAgedAddition =
        MiddleAgedWidowsAddition(household.employeesMonths, last.has_value(), last.value_or(0), household.wifeAge);
    // The transitional addition carries the middle-aged addition on past 65.
    if (benefits.middleAgedAddition)
        benefits.transitionalAddition = TransitionalWidowsAddition(household.wifeBirth);
    benefits.panelsWorkedOut = true;
    benefits.employeesPension = EmployeesPensionPaid{employeesPensionAgesOfEmployee(household), FormulaPanel::ShortNew};
    return decideLumpSum(household, !household.childPresent, benefits);
}

bool decideForNationalMember(const SurvivorsCase &household, SurvivorsBenefits &benefits)
{
    if (household.nationalMonths >= kWidowsPensionMonths) {
        benefits.widowsPension = household.widowsPension;
    } else if (!decideLumpSum(household, household.firstYearBasicPension == 0, benefits)) {
        return false;
    }
    const double allMonths = household.nationalMonths + household.employeesMonths;
    benefits.panelsWorkedOut = household.employeesMonths > 0 && allMonths >= kLongRequirementMonths;
    // With employees' months under the long requirement she could have a
    // survivors' employees' pension for life, but not beside the widow's
    // pension: she takes the one the agent chose.
    const bool both = benefits.panelsWorkedOut && benefits.widowsPension && *benefits.widowsPension != 0;
    if (both && household.choice == SurvivorChoice::EmployeesPension) {
        benefits.employeesPension = EmployeesPensionPaid{{household.wifeAge, std::nullopt}, FormulaPanel::LongNew};
        benefits.widowsPension.reset();
        benefits.lumpSum.reset();
    }
    return true;
}

} // namespace

SurvivorsCase SurvivorsCaseOf(const Household &household, Membership membership, SurvivorChoice choice,
                              const QDate &today)
{
    SurvivorsCase survivors;
    survivors.membership = membership;
    survivors.choice = choice;
    survivors.wifeAge = household.WifeAge();
    survivors.wifeBirth = household.members[HouseholdIndex::Wife].birth;
    survivors.childPresent = household.AnyChildPresent();
    survivors.lastEntitlementAge = WifeAgeWhenLastChildStopsCounting(household, today);
    return survivors;
}

std::optional<SurvivorsBenefits> DecideSurvivorsBenefits(const SurvivorsCase &household)
{
    SurvivorsBenefits benefits;
    const bool decided = household.membership == Membership::Employee ? decideForEmployee(household, benefits)
                                                                      : decideForNationalMember(household, benefits);
    if (!decided)
        return std::nullopt;
    return benefits;
}

double LastAgeShown(const PaidFromAge &ages, std::optional<int> horizonYears)
{
    if (ages.lastAge)
        return *ages.lastAge;
    return horizonYears ? ages.firstAge + *horizonYears : 0.0;
}

} // namespace izoku::engine
