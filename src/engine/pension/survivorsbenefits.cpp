#include "survivorsbenefits.h"

#include "engine/text/numbertext.h"

namespace izoku::engine {

namespace {

// The survivors' employees' pension of a husband who died insured as an
// employee (短期要件), or of one who had qualified without a widow's pension
// to choose instead, is paid from her age today.  A widow under 30 without a
// child to raise is held able to earn her own living, so she receives it for
// five years only.
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

// The middle-aged addition by the table of the employees' member path, and
// beside it the transitional addition that carries it on past 65.  False
// when the law needs B′ for the transitional addition and has none.
bool decideWidowAdditions(const PensionLaw &law, const SurvivorsCase &household, SurvivorsBenefits &benefits)
{
    const auto &last = household.lastEntitlementAge;
    const auto ages =
        MiddleAgedWidowsAddition(household.employeesMonths, last.has_value(), last.value_or(0), household.wifeAge);
    if (!ages)
        return true;
    benefits.middleAgedAddition = MiddleAgedPaid{*ages, MiddleAgedWidowsAdditionAmount(law)};
    benefits.transitionalAddition = TransitionalWidowsAddition(law, household.wifeBirth);
    return benefits.transitionalAddition.has_value();
}

enum class Decided { Yes, MonthsBeyondNumber, MissingOldCohortPension };

Decided decideForEmployee(const PensionLaw &law, const SurvivorsCase &household, SurvivorsBenefits &benefits)
{
    if (!decideWidowAdditions(law, household, benefits))
        return Decided::MissingOldCohortPension;
    benefits.panelsWorkedOut = true;
    benefits.employeesPension = EmployeesPensionPaid{employeesPensionAgesOfEmployee(household), FormulaPanel::ShortNew,
                                                     EmployeesPensionGround::ShortRequirement};
    return decideLumpSum(household, !household.childPresent, benefits) ? Decided::Yes : Decided::MonthsBeyondNumber;
}

Decided decideForNationalMember(const PensionLaw &law, const SurvivorsCase &household, SurvivorsBenefits &benefits)
{
    if (QualifiesForWidowsPension(law, household.nationalMonths)) {
        benefits.widowsPension = household.widowsPension;
    } else if (!decideLumpSum(household, household.firstYearBasicPension == 0, benefits)) {
        return Decided::MonthsBeyondNumber;
    }
    const double allMonths = household.nationalMonths + household.employeesMonths;
    benefits.panelsWorkedOut = household.employeesMonths > 0 && allMonths >= kLongRequirementMonths;
    if (!benefits.panelsWorkedOut)
        return Decided::Yes;
    // Under the long requirement she has a survivors' employees' pension,
    // but not beside the widow's pension: where both are there she takes
    // the one the agent chose; where there is no widow's pension there is
    // nothing to choose, and she receives it as an employee's widow would.
    const bool widowsPensionToo = benefits.widowsPension && *benefits.widowsPension != 0;
    if (!widowsPensionToo) {
        benefits.employeesPension = EmployeesPensionPaid{
            employeesPensionAgesOfEmployee(household), FormulaPanel::LongNew, EmployeesPensionGround::NoWidowsPension};
    } else if (household.choice == SurvivorChoice::EmployeesPension) {
        benefits.employeesPension = EmployeesPensionPaid{
            {household.wifeAge, std::nullopt}, FormulaPanel::LongNew, EmployeesPensionGround::ChosenOverWidowsPension};
        benefits.widowsPension.reset();
        benefits.lumpSum.reset();
    }
    // Twenty years of employees' pension bring the widow who receives it the
    // additions of the employees' path; the law of fiscal 2009 as this
    // program has always computed it did not.
    if (law.widowAdditionsOnNationalPath && benefits.employeesPension &&
        household.employeesMonths >= kLongEmployeesMonths && !decideWidowAdditions(law, household, benefits))
        return Decided::MissingOldCohortPension;
    return Decided::Yes;
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

SurvivorsDecision DecideSurvivorsBenefits(const PensionLaw &law, const SurvivorsCase &household)
{
    SurvivorsBenefits benefits;
    const Decided decided = household.membership == Membership::Employee
                                ? decideForEmployee(law, household, benefits)
                                : decideForNationalMember(law, household, benefits);
    switch (decided) {
    case Decided::MonthsBeyondNumber:
        return {};
    case Decided::MissingOldCohortPension:
        return {std::nullopt, LawFigure::OldCohortBasicPension};
    case Decided::Yes:
        break;
    }
    // Today's old-formula panels revalue by the year's 従前額改定率.
    if (benefits.panelsWorkedOut && law.current() && !law.previousAmountRevisionRate)
        return {std::nullopt, LawFigure::PreviousAmountRevisionRate};
    return {std::move(benefits), std::nullopt};
}

std::optional<Message> MissingFigureRefusal(const PensionLaw &law, const SurvivorsCase &household)
{
    const SurvivorsDecision decision = DecideSurvivorsBenefits(law, household);
    if (!decision.missing)
        return std::nullopt;
    return MissingLawFigureMessage(law, *decision.missing);
}

double LastAgeShown(const PaidFromAge &ages, std::optional<int> horizonYears)
{
    if (ages.lastAge)
        return *ages.lastAge;
    return horizonYears ? ages.firstAge + *horizonYears : 0.0;
}

} // namespace izoku::engine
