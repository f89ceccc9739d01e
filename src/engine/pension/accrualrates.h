#pragma once

#include <QDate>

#include <optional>

// Accrual rates of the earnings-related part of the employees' pension, per
// 1000 of remuneration per month: rate 1 for months up to March 2003 (on the
// monthly remuneration), rate 2 for months from April 2003 (on the total
// remuneration including bonuses).
namespace izoku::engine {

struct AccrualRates {
    double rate1 = 0.0;
    double rate2 = 0.0;

    bool operator==(const AccrualRates &) const = default;
};

// The rates of the two long-requirement formulas: after the 2004 reform and
// the old formula kept by the guarantee of the previous amount.
struct LongRequirementRates {
    AccrualRates newFormula;
    AccrualRates oldFormula;

    bool operator==(const LongRequirementRates &) const = default;
};

// The short requirement always uses the standard rates.
inline constexpr AccrualRates kShortRequirementNewRates{7.125, 5.481};
inline constexpr AccrualRates kShortRequirementOldRates{7.5, 5.769};

// The long-requirement rates by the husband's birth date.  Husbands born
// before 1943-04-02 earned higher rates that the program does not carry: no
// value.
std::optional<LongRequirementRates> AccrualRatesFor(const QDate &husbandBirth);

} // namespace izoku::engine
