// "基礎計算(2度押し)" then "生命保険と必要補償額" on the needs-analysis screen,
// from the form's texts to the comparison chart's feed, for the largest
// household the screen takes with every policy entered.
#include "engine/needs/basecalculation.h"
#include "engine/needs/comparison.h"
#include "fivechildhousehold.h"

#include <benchmark/benchmark.h>

namespace {

using namespace izoku::engine;
using izoku::bench::fiveChildHousehold;

void BM_NeedsBaseCalculationAndComparisonFiveChildren(benchmark::State &state)
{
    const QDate today(2026, 12, 8);
    FrmhokenForm form = fiveChildHousehold(today);
    for (auto _ : state) {
        const CalculationOutcome base = RunBaseCalculation(form, kBaseData2009, today);
        const ChartOpening opening = CompareInsuranceWithCoverage(form, kBaseData2009, today);
        benchmark::DoNotOptimize(base);
        benchmark::DoNotOptimize(opening);
        if (!opening.chart)
            state.SkipWithError("the comparison chart did not open");
    }
}
BENCHMARK(BM_NeedsBaseCalculationAndComparisonFiveChildren)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

} // namespace

BENCHMARK_MAIN();
