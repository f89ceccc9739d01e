#include "yearlychart.h"

#include "engine/text/numbertext.h"

#include <algorithm>

namespace izoku::engine {

double ManYen(double yen)
{
    return IntFloor(yen / kYenPerManYen);
}

QString ChartRowLabel(double wifeAge, int row)
{
    return u' ' + PlainNumber(wifeAge + row - 1) + QStringLiteral("歳");
}

QString ChartListLine(const QString &wifeAgeText, double amountYen)
{
    return wifeAgeText + QStringLiteral("歳   ") + FormatNumber(amountYen, NumberFormat::Grouped);
}

std::int64_t LargestYearlyAmount(std::span<const QString> amountTexts)
{
    std::int64_t largest = 0;
    for (const QString &text : amountTexts) {
        // A figure beyond 32 bits cannot come from a sheet row; it counts as none.
        const auto value = TextToInt32(text);
        if (value)
            largest = std::max<std::int64_t>(largest, *value);
    }
    return largest;
}

ChartFeed YearlyTotalsChart(double wifeAge, std::span<const QString> wifeAgeTexts, std::span<const QString> totalTexts)
{
    ChartFeed feed;
    const std::size_t rows = std::min(wifeAgeTexts.size(), totalTexts.size());
    for (std::size_t i = 0; i < rows; ++i) {
        const double total = LeadingNumber(totalTexts[i]);
        feed.series1.push_back(ManYen(total));
        feed.series2.push_back(0);
        feed.rowLabels << ChartRowLabel(wifeAge, static_cast<int>(i) + 1);
        feed.listLines << ChartListLine(wifeAgeTexts[i], total);
    }
    return feed;
}

} // namespace izoku::engine
