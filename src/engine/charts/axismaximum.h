#pragma once

#include <cstdint>
#include <optional>

// The fixed maximum of a chart's value axis, in 万円.  The screens' own
// rules read the first digits of the largest value; they were made for the
// figures a household usually has, so ChartAxisMaximum keeps their answer
// only where it frames the bars and otherwise picks a round maximum.
namespace izoku::engine {

// 100 × (first digit of the largest yen value) + offset: the survivors'
// pension charts (offset 100 on the pension screen, 200 on the needs screen).
int FirstDigitAxisMaximum(std::int64_t largestYen, int offset);

// The digit rule of the coverage and the income/expense charts: by the
// number of digits of the largest value in 万円, the leading digits of the
// value plus a step.  `threeDigitStep` is 1,000,000 yen for the coverage
// chart and 2,000,000 for the income/expense chart, which alone also has
// the two-digit case.  No value where the rule sets none.
std::optional<int> DigitRuleAxisMaximum(std::int64_t largestYen, std::int64_t threeDigitStep, bool twoDigitCase);

// The smallest 1, 2 or 5 × 10^k 万円 at or above the largest value; 10 when
// the largest value is under 10 万円.
int NiceAxisMaximum(double largestYen);

// The rule's maximum where it is at or above the largest value and at most
// ten times it (bars neither run past the axis nor shrink to a sliver),
// otherwise the nice maximum.
int ChartAxisMaximum(std::optional<int> ruleMaximum, double largestYen);

} // namespace izoku::engine
