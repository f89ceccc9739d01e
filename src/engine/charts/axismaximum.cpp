#include "axismaximum.h"

#include "yearlychart.h"

#include <QString>

#include <cmath>

namespace izoku::engine {

namespace {

constexpr int kSmallestAxis = 10;
// Beyond any yearly figure a 32-bit yen sum can reach.
constexpr double kLargestAxis = 1e9;

// The number formed by the first `count` characters of the decimal text.
int leadingDigits(std::int64_t value, int count)
{
    return QString::number(value).left(count).toInt();
}

int digitCount(std::int64_t value)
{
    return static_cast<int>(QString::number(value).size());
}

} // namespace

int FirstDigitAxisMaximum(std::int64_t largestYen, int offset)
{
    const int first = largestYen > 0 ? leadingDigits(largestYen, 1) : 0;
    return 100 * first + offset;
}

std::optional<int> DigitRuleAxisMaximum(std::int64_t largestYen, std::int64_t threeDigitStep, bool twoDigitCase)
{
    if (largestYen < 0)
        return std::nullopt;
    const std::int64_t manYen = largestYen / 10000;
    switch (digitCount(manYen)) {
    case 5:
        return leadingDigits(largestYen + 10000000, 2) * 1000;
    case 4:
        return leadingDigits(largestYen + 10000000, digitCount(manYen + 1000) == 5 ? 2 : 1) * 1000;
    case 3:
        return leadingDigits(largestYen + threeDigitStep, digitCount(manYen + 100) == 4 ? 2 : 1) * 100;
    case 2:
        if (!twoDigitCase)
            return std::nullopt;
        return leadingDigits(largestYen + 100000, digitCount(manYen + 10) == 3 ? 2 : 1) * 10;
    default:
        return std::nullopt;
    }
}

int NiceAxisMaximum(double largestYen)
{
    const double largest = largestYen / kYenPerManYen;
    if (!(largest >= kSmallestAxis))
        return kSmallestAxis;
    for (double decade = kSmallestAxis; decade < kLargestAxis; decade *= 10) {
        for (int step : {1, 2, 5}) {
            if (step * decade >= largest)
                return static_cast<int>(step * decade);
        }
    }
    return static_cast<int>(kLargestAxis);
}

int ChartAxisMaximum(std::optional<int> ruleMaximum, double largestYen)
{
    const double largest = largestYen / kYenPerManYen;
    if (ruleMaximum && *ruleMaximum >= largest && *ruleMaximum <= 10 * largest)
        return *ruleMaximum;
    return NiceAxisMaximum(largestYen);
}

} // namespace izoku::engine
