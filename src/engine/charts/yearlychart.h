#pragma once

#include "chartfeed.h"

#include <QString>

#include <span>

// The rows of a chart with one bar per year of the wife's life, as every
// chart window draws them.
namespace izoku::engine {

inline constexpr double kYenPerManYen = 10000;

// A yen figure in whole 万円, rounded down.
double ManYen(double yen);

// Row `row` (from 1) of a chart that starts at the wife's age: " 42歳".
QString ChartRowLabel(double wifeAge, int row);

// A line of the yearly list: the wife's age text, "歳", three blanks and the
// amount grouped ("42歳   1,234,567").
QString ChartListLine(const QString &wifeAgeText, double amountYen);

// The largest of the yearly amounts, as a whole number of yen; 0 when none
// is above 0.
std::int64_t LargestYearlyAmount(std::span<const QString> amountTexts);

// A chart of yearly totals: bars of the totals in 万円, a zero line, labels
// from the wife's age and a list line per year.  The spans hold one text per
// year (the wife's age row and the totals row of the sheet); the axis and
// the copied fields are the caller's.
ChartFeed YearlyTotalsChart(double wifeAge, std::span<const QString> wifeAgeTexts, std::span<const QString> totalTexts);

} // namespace izoku::engine
