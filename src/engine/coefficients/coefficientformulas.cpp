#include "coefficientformulas.h"

#include <cmath>

namespace izoku::engine {

namespace {

using Value = std::optional<double>;

Value finite(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

Value power(double base, double exponent)
{
    if (base == 0.0 && exponent < 0.0)
        return std::nullopt;
    return finite(std::pow(base, exponent));
}

Value divide(double numerator, double denominator)
{
    if (denominator == 0.0)
        return std::nullopt;
    return finite(numerator / denominator);
}

Value times(Value factor, double amount)
{
    if (!factor)
        return std::nullopt;
    return finite(*factor * amount);
}

} // namespace

// The factors are computed in the order the calculator always has, so the
// yen figures match to the last rounding.  At 0 % the textbook formulas
// divide 0 by 0; their limits are what a customer expects to hear instead:
// without interest a target is saved, and a principal paid out, in n equal
// parts, and n yearly amounts add up to n times the amount.

std::optional<double> FutureValueFactor(double ratePercent, int years)
{
    return power(1.0 + ratePercent / 100.0, years);
}

std::optional<double> PresentValueFactor(double ratePercent, int years)
{
    return power(1.0 + ratePercent / 100.0, -years);
}

std::optional<double> FutureValue(double amount, double ratePercent, int years)
{
    const Value factor = FutureValueFactor(ratePercent, years);
    if (!factor)
        return std::nullopt;
    return finite(amount * *factor);
}

std::optional<double> PresentValue(double amount, double ratePercent, int years)
{
    return times(PresentValueFactor(ratePercent, years), amount);
}

std::optional<PriceDecline> PriceAfterDecline(double price, double declinePercent, int years)
{
    const Value factor = PresentValueFactor(declinePercent, years);
    if (!factor)
        return std::nullopt;
    const Value percent = finite(*factor * 100.0);
    const Value future = times(factor, price);
    if (!percent || !future)
        return std::nullopt;
    return PriceDecline{std::floor(*future), *percent};
}

std::optional<double> SinkingFundPayment(double target, double ratePercent, int years)
{
    if (ratePercent == 0.0)
        return divide(target, years);
    const double i = ratePercent / 100.0;
    const Value growth = power(1.0 + i, years);
    if (!growth)
        return std::nullopt;
    return times(divide(i, *growth - 1.0), target);
}

std::optional<double> AnnuityFutureValue(double yearlySaving, double ratePercent, int years)
{
    if (ratePercent == 0.0)
        return finite(yearlySaving * years);
    const double i = ratePercent / 100.0;
    const Value growth = power(1.0 + i, years);
    if (!growth)
        return std::nullopt;
    const Value perRate = divide(*growth - 1.0, ratePercent);
    if (!perRate)
        return std::nullopt;
    return times(finite(*perRate * 100.0), yearlySaving);
}

std::optional<double> CapitalRecoveryPayment(double principal, double ratePercent, int years)
{
    if (ratePercent == 0.0)
        return divide(principal, years);
    const double i = ratePercent / 100.0;
    const Value discount = power(1.0 + i, -years);
    if (!discount)
        return std::nullopt;
    return times(divide(i, 1.0 - *discount), principal);
}

std::optional<double> AnnuityPresentValue(double yearlyPension, double ratePercent, int years)
{
    if (ratePercent == 0.0)
        return finite(yearlyPension * years);
    const double i = ratePercent / 100.0;
    const Value discount = power(1.0 + i, -years);
    if (!discount)
        return std::nullopt;
    const Value perRate = divide(1.0 - *discount, ratePercent);
    if (!perRate)
        return std::nullopt;
    return times(finite(*perRate / 100.0 * 10000.0), yearlyPension);
}

} // namespace izoku::engine
