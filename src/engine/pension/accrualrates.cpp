#include "accrualrates.h"

#include "engine/dates/ages.h"

#include <array>

namespace izoku::engine {

namespace {

// Older generations accrued at higher rates, stepped down by birth year
// until the standard rates apply from those born on 1946-04-02.
struct RateBand {
    int startYear; // the band runs from 2 April of this year to 1 April of the next
    LongRequirementRates rates;
};

constexpr std::array<RateBand, 3> kRateBands{{
    {1943, {{7.439, 5.722}, {7.83, 6.023}}},
    {1944, {{7.334, 5.642}, {7.72, 5.938}}},
    {1945, {{7.23, 5.562}, {7.61, 5.854}}},
}};

} // namespace

std::optional<LongRequirementRates> AccrualRatesFor(const QDate &husbandBirth)
{
    if (!husbandBirth.isValid() || BornBeforeEarliestBand(husbandBirth))
        return std::nullopt;
    for (const RateBand &band : kRateBands) {
        if (InBirthBand(husbandBirth, band.startYear))
            return band.rates;
    }
    return LongRequirementRates{kShortRequirementNewRates, kShortRequirementOldRates};
}

} // namespace izoku::engine
