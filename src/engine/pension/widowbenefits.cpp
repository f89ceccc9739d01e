#include "widowbenefits.h"

#include "engine/dates/ages.h"
#include "engine/text/numbertext.h"

#include <algorithm>
#include <array>

namespace izoku::engine {

namespace {

// Twenty years of employees' pension make the long-requirement branch of the
// middle-aged addition.
constexpr double kLongEmployeesMonths = 240;
// A disabled child counts until its 20th birthday.
constexpr double kDisabledChildEndAge = 20;

struct TransitionalBand {
    int startYear; // from 2 April of this year to 1 April of the next
    std::int32_t amount;
};

constexpr std::array<TransitionalBand, 13> kTransitionalBands{{
    {1943, 257600},
    {1944, 237800},
    {1945, 218000},
    {1946, 198200},
    {1947, 178300},
    {1948, 158500},
    {1949, 138700},
    {1950, 118900},
    {1951, 99100},
    {1952, 79300},
    {1953, 59500},
    {1954, 39700},
    {1955, 19900},
}};

struct LumpSumBand {
    int fromMonths;
    std::int32_t amount;
};

// Highest band first.
constexpr std::array<LumpSumBand, 6> kLumpSumBands{{
    {420, 320000},
    {360, 270000},
    {300, 220000},
    {240, 170000},
    {180, 145000},
    {36, 120000},
}};

} // namespace

std::optional<int> WifeAgeWhenLastChildStopsCounting(const Household &household, const QDate &today)
{
    const QDate wifeBirth = household.members[HouseholdIndex::Wife].birth;
    std::optional<int> largest;
    for (const HouseholdChild &child : household.PresentChildren()) {
        // A disabled child counts while its age field reads under 20; held
        // to 20 first, an age beyond any whole number still does not count.
        const auto age = ToInt16(IntFloor(std::min(child.age, kDisabledChildEndAge)));
        if (!ChildEntitledNow(child.birth, child.disabled, age, today))
            continue;
        if (const auto age = AgeAt(wifeBirth, ChildEntitlementEnd(child.birth, child.disabled)))
            largest = std::max(largest.value_or(*age), *age);
    }
    return largest;
}

std::optional<WifeAgeRange> MiddleAgedWidowsAddition(double employeesMonths, bool childrenEntitledNow,
                                                     double lastEntitlementAge, double wifeAge)
{
    const double L = lastEntitlementAge;
    const double A = wifeAge;
    const double first = kMiddleAgedAdditionFirstAge;
    const double last = kMiddleAgedAdditionLastAge;
    if (employeesMonths >= kLongEmployeesMonths) {
        if (childrenEntitledNow)
            return WifeAgeRange{L >= first ? L + 1 : first, last};
        if (A >= kOldAgePensionAge)
            return std::nullopt;
        return WifeAgeRange{A >= first ? A : first, last};
    }
    if (childrenEntitledNow) {
        if (A >= first || L >= first)
            return WifeAgeRange{L + 1, last};
        return std::nullopt;
    }
    if (A >= first && A < kOldAgePensionAge)
        return WifeAgeRange{A + 1, last};
    return std::nullopt;
}

std::int32_t TransitionalWidowsAddition(const QDate &wifeBirth)
{
    for (const TransitionalBand &band : kTransitionalBands) {
        if (InBirthBand(wifeBirth, band.startYear))
            return band.amount;
    }
    return 0;
}

double WidowsPensionAmount(double basicPensionAmount, double paidMonths)
{
    return IntFloor((basicPensionAmount * paidMonths / kFullContributionMonths * 3 / 4 + 50) / 100) * 100;
}

std::int32_t DeathLumpSum(int paidMonths)
{
    for (const LumpSumBand &band : kLumpSumBands) {
        if (paidMonths >= band.fromMonths)
            return band.amount;
    }
    return 0;
}

} // namespace izoku::engine
