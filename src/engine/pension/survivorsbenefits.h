#pragma once

#include "formulapanels.h"
#include "membership.h"
#include "widowbenefits.h"

#include <QDate>

#include <cstdint>
#include <optional>

// Which survivors' benefits the widow receives, from which of her ages and
// of what amount: the decisions the survivors' pension screen and the
// needs-analysis screen take alike on one household.  Each screen then
// writes them into its own fields; the one thing they write differently is
// the end of a benefit paid for life (LastAgeShown).
namespace izoku::engine {

// 長期要件: twenty-five years of insurance in all, so the husband had
// qualified for an old-age pension.
inline constexpr double kLongRequirementMonths = 300;

// A widow under 30 without a child receives the survivors' employees'
// pension for five years only; any other widow for life.
inline constexpr double kLifelongEmployeesPensionAge = 30;
inline constexpr double kYoungWidowPaymentYears = 5;

// The household and the husband's record as the decisions read them.
struct SurvivorsCase {
    Membership membership = Membership::Employee;
    SurvivorChoice choice = SurvivorChoice::EmployeesPension;
    double wifeAge = 0.0; // A, her age field as typed
    QDate wifeBirth;
    bool childPresent = false; // some child's 対象 is ticked
    // L: her age on the day the last child that counts today stops
    // counting; none when no child counts today.
    std::optional<int> lastEntitlementAge;
    double nationalMonths = 0.0;  // the husband's paid national pension months
    double employeesMonths = 0.0; // E: his employees' pension months
    double widowsPension = 0.0;   // W: what his paid national months earn
    // The survivors' basic pension in the year of death, and whether any of
    // its phases has an amount.
    double firstYearBasicPension = 0.0;
    bool basicPensionPhase = false;
};

// The household's part of the case as of today; the husband's record and
// the survivors' basic pension are the screen's to fill in.
SurvivorsCase SurvivorsCaseOf(const Household &household, Membership membership, SurvivorChoice choice,
                              const QDate &today);

// A yearly benefit from one age of the wife; without a last age, for life.
struct PaidFromAge {
    double firstAge = 0.0;
    std::optional<double> lastAge;

    bool operator==(const PaidFromAge &) const = default;
};

// Why the survivors' employees' pension is paid.
enum class EmployeesPensionGround {
    ShortRequirement, // the husband died insured as an employee (短期要件)
    // A national pension member who had qualified by 25 years (長期要件):
    ChosenOverWidowsPension, // the agent chose it over the widow's pension
    NoWidowsPension,         // there is no widow's pension to choose instead
};

// 遺族厚生年金: its ages and the formula panel whose amount is paid.
struct EmployeesPensionPaid {
    PaidFromAge ages;
    FormulaPanel panel = FormulaPanel::ShortNew;
    EmployeesPensionGround ground = EmployeesPensionGround::ShortRequirement;
};

// 中高齢寡婦加算: the ages and the yearly amount of the law in use.
struct MiddleAgedPaid {
    WifeAgeRange ages;
    std::int32_t amount = 0;
};

// 死亡一時金: paid once, at the wife's age in the year of death.
struct LumpSumPaid {
    double wifeAge = 0.0;
    std::int32_t amount = 0;
};

// Everything decided; a benefit without a value is not paid (its fields
// show 0).
struct SurvivorsBenefits {
    // The four formula panels are worked out, and shown, whenever a
    // survivors' employees' pension is in question, even when none follows.
    bool panelsWorkedOut = false;
    std::optional<EmployeesPensionPaid> employeesPension;
    std::optional<MiddleAgedPaid> middleAgedAddition;
    // 経過的寡婦加算 from kTransitionalAdditionFirstAge; decided (possibly as
    // 0 yen, by her birth date) only beside a middle-aged addition.
    std::optional<std::int32_t> transitionalAddition;
    // 寡婦年金 from kWidowsPensionFirstAge to kWidowsPensionLastAge.
    std::optional<double> widowsPension;
    std::optional<LumpSumPaid> lumpSum;
};

// The benefits by the husband's membership and the law in use.  No benefits
// when the paid national months the lump sum is looked up by are beyond a
// whole number (the calculation ends there), or when the law needs a figure
// its fiscal year's row lacks (`missing` names it).
struct SurvivorsDecision {
    std::optional<SurvivorsBenefits> benefits;
    std::optional<LawFigure> missing;
};
SurvivorsDecision DecideSurvivorsBenefits(const PensionLaw &law, const SurvivorsCase &household);

// The message for a decision that stopped on a missing figure; none when it
// did not.  Both screens ask it before they clear anything, so a refusal
// leaves the screen as it was.
std::optional<Message> MissingFigureRefusal(const PensionLaw &law, const SurvivorsCase &household);

// The last age a screen writes for a benefit.  The two screens write a
// benefit paid for life differently because their sheets read ages
// differently: the survivors' pension screen's schedule runs to the wife's
// 67th year and reads a last age of 0 as "no end", while the needs-analysis
// sheet matches every benefit's ages as they stand (0 would never be
// reached) and runs for her life expectancy of N years, so a benefit for
// life ends in its last year, at her first age + N.  `horizonYears` is N on
// the needs-analysis screen and none on the survivors' pension screen.
double LastAgeShown(const PaidFromAge &ages, std::optional<int> horizonYears);

} // namespace izoku::engine
