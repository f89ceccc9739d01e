#pragma once

#include "engine/forms/household.h"

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

// 中高齢寡婦加算: a fixed yearly amount from the wife's 40th to 65th year.
inline constexpr std::int32_t kMiddleAgedWidowsAdditionAmount = 594200;
inline constexpr double kMiddleAgedAdditionFirstAge = 40;
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

// 経過的寡婦加算, paid from 65 to widows born from 1943-04-02 to 1956-04-01 to
// make up for the short time their own old-age basic pension could accrue;
// 0 for any other birth date.
inline constexpr double kTransitionalAdditionFirstAge = kOldAgePensionAge;
std::int32_t TransitionalWidowsAddition(const QDate &wifeBirth);

// The months from 20 to 60 that earn the full old-age basic pension.
inline constexpr double kFullContributionMonths = 480;

// 寡婦年金: three quarters of the old-age basic pension the husband had earned
// by his paid months out of 480, rounded half up to 100 yen.
double WidowsPensionAmount(double basicPensionAmount, double paidMonths);

// The widow's pension needs 300 paid months and is paid from 60 to 64.
inline constexpr double kWidowsPensionMonths = 300;
inline constexpr double kWidowsPensionFirstAge = 60;
inline constexpr double kWidowsPensionLastAge = 64;

// 死亡一時金 by the husband's paid national pension months.
std::int32_t DeathLumpSum(int paidMonths);

} // namespace izoku::engine
