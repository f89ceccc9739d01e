#pragma once

#include "engine/forms/household.h"
#include "engine/law/pensionlaw.h"

#include <QDate>

#include <cstdint>
#include <optional>

// The benefits the wife may receive besides the two survivors' pensions:
// the middle-aged and the transitional widow's additions of the employees'
// pension, and the widow's pension and the death lump sum of the national
// pension.
namespace izoku::engine {

// A benefit paid from one age of the wife to another, both inclusive.
struct WifeAgeRange {
    double firstAge = 0.0;
    double lastAge = 0.0;

    bool operator==(const WifeAgeRange &) const = default;
};

// The widow's own old-age basic pension starts at 65; the widow's additions
// make up for it until then.
inline constexpr double kOldAgePensionAge = 65;

// 中高齢寡婦加算: a yearly amount from the wife's 40th to 65th year, fixed at
// 594,200 yen by the law of fiscal 2009; today three quarters of the
// survivors' basic pension, rounded half up to 100 yen.
inline constexpr std::int32_t kMiddleAgedWidowsAdditionAmount = 594200;
std::int32_t MiddleAgedWidowsAdditionAmount(const PensionLaw &law);
inline constexpr double kMiddleAgedAdditionFirstAge = 40;
// Twenty years of employees' pension make the long-requirement branch of the
// middle-aged addition.
inline constexpr double kLongEmployeesMonths = 240;
inline constexpr double kMiddleAgedAdditionLastAge = 64;

// The ages of the middle-aged widow's addition: from the employees' months
// E, whether a child counts today, L (the largest age of the wife on the day
// a child that counts today stops counting; read only when one does) and the
// wife's age A.  No value when the addition is not paid.
std::optional<WifeAgeRange> MiddleAgedWidowsAddition(double employeesMonths, bool childrenEntitledNow,
                                                     double lastEntitlementAge, double wifeAge);

// L of the middle-aged addition: the wife's age on the day the last child
// that counts today stops counting; no value when no child counts today.
std::optional<int> WifeAgeWhenLastChildStopsCounting(const Household &household, const QDate &today);

// 経過的寡婦加算, paid from 65 to widows born on or before 1956-04-01 to
// make up for the short time their own old-age basic pension could accrue.
inline constexpr double kTransitionalAdditionFirstAge = kOldAgePensionAge;
// The table of fiscal 2009, by the wife's birth date from 1943-04-02 to
// 1956-04-01; 0 for any other birth date.
std::int32_t TransitionalWidowsAddition2009(const QDate &wifeBirth);
// By the law in use: the table of fiscal 2009, or today the middle-aged
// addition of B′ less the old-age basic pension her birth year could earn,
// Round100(B′ × 3/4) − Round1(B′ × 乗率); 0 from a birth on 1956-04-02.  No
// value when today's law needs B′ and the year's row has none.
std::optional<std::int32_t> TransitionalWidowsAddition(const PensionLaw &law, const QDate &wifeBirth);

// The months from 20 to 60 that earn the full old-age basic pension.
inline constexpr double kFullContributionMonths = 480;

// 寡婦年金: three quarters of the old-age basic pension the husband had earned
// by his paid months out of 480, rounded half up to 100 yen by the law of
// fiscal 2009 and to the yen today.
double WidowsPensionAmount(const PensionLaw &law, double paidMonths);

// The widow's pension needs the law's paid months (PensionLaw) and is paid
// from 60 to 64.
bool QualifiesForWidowsPension(const PensionLaw &law, double paidMonths);
// Those months in whole years, as the law states the requirement (25 years
// by fiscal 2009, 10 today).
int WidowsPensionYears(const PensionLaw &law);
inline constexpr double kWidowsPensionFirstAge = 60;
inline constexpr double kWidowsPensionLastAge = 64;

// 死亡一時金 by the husband's paid national pension months.
std::int32_t DeathLumpSum(int paidMonths);

} // namespace izoku::engine
