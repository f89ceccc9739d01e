#include "widowbenefits.h"

#include "engine/dates/ages.h"
#include "engine/text/numbertext.h"

#include <algorithm>
#include <array>

namespace izoku::engine {

namespace {

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

// Today's transitional addition takes off the old-age basic pension that a
// wife of each birth year could earn.  From the band that starts on
// 1927-04-02 each year's band adds twelve months to the 乗率 k × 12 /
// (300 + k × 12), the denominator reaching the full 480 months in the band of
// 1941; the band of 1955 is the last, its wives earning 348/480.  A wife born
// on or before 1927-04-01 earns nothing of it.
constexpr int kFirstRateBandYear = 1927;
constexpr int kLastRateBandYear = 1955;
constexpr int kMonthsAddedEachYear = 12;
constexpr int kFirstRateDenominator = 300;

// Today's additions are rounded half up to 100 yen.
double roundToHundred(double yen)
{
    return IntFloor(yen / 100 + 0.5) * 100;
}

// The year on whose 2 April the birth-date band of `birth` starts.
int bandStartYear(const QDate &birth)
{
    return birth < QDate(birth.year(), 4, 2) ? birth.year() - 1 : birth.year();
}

std::int32_t transitionalAdditionToday(std::int32_t oldCohortBasicPension, int band)
{
    const double B = oldCohortBasicPension;
    const double full = roundToHundred(B * 3 / 4);
    if (band < kFirstRateBandYear)
        return static_cast<std::int32_t>(full);
    const int k = band - kFirstRateBandYear + 1;
    const int numerator = k * kMonthsAddedEachYear;
    const int denominator = std::min(kFirstRateDenominator + numerator, static_cast<int>(kFullContributionMonths));
    // B′ × numerator ÷ denominator keeps the product exact before it is
    // rounded, where B′ × 0.725 would not.
    return static_cast<std::int32_t>(full - RoundHalfUp(B * numerator / denominator));
}

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
        const auto childAge = ToInt16(IntFloor(std::min(child.age, kDisabledChildEndAge)));
        if (!ChildEntitledNow(child.birth, child.disabled, childAge, today))
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

std::int32_t MiddleAgedWidowsAdditionAmount(const PensionLaw &law)
{
    if (!law.current())
        return kMiddleAgedWidowsAdditionAmount;
    return static_cast<std::int32_t>(roundToHundred(double(law.basicPension) * 3 / 4));
}

std::int32_t TransitionalWidowsAddition2009(const QDate &wifeBirth)
{
    for (const TransitionalBand &band : kTransitionalBands) {
        if (InBirthBand(wifeBirth, band.startYear))
            return band.amount;
    }
    return 0;
}

std::optional<std::int32_t> TransitionalWidowsAddition(const PensionLaw &law, const QDate &wifeBirth)
{
    if (!law.current())
        return TransitionalWidowsAddition2009(wifeBirth);
    // A wife born from 1956-04-02 earns the whole old-age basic pension of
    // her own: no addition, and no figure needed to say so.
    const int band = bandStartYear(wifeBirth);
    if (band > kLastRateBandYear)
        return 0;
    if (!law.oldCohortBasicPension)
        return std::nullopt;
    return transitionalAdditionToday(*law.oldCohortBasicPension, band);
}

double WidowsPensionAmount(const PensionLaw &law, double paidMonths)
{
    const double earned = double(law.basicPension) * paidMonths / kFullContributionMonths * 3 / 4;
    if (law.amountsToTheYen)
        return IntFloor(earned + 0.5);
    return IntFloor((earned + 50) / 100) * 100;
}

bool QualifiesForWidowsPension(const PensionLaw &law, double paidMonths)
{
    return paidMonths >= law.widowsPensionMonths;
}

int WidowsPensionYears(const PensionLaw &law)
{
    constexpr double monthsPerYear = 12;
    return static_cast<int>(law.widowsPensionMonths / monthsPerYear);
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
