// izoku-calc's heaviest accepted inputs, from the bytes read to the answer
// written: the bound on a run is what the tool accepts, so these are the
// longest any input can keep it busy.  Goal: under 50 ms per calculation.
#include "cli/calc.h"

#include <benchmark/benchmark.h>

#include <QByteArray>
#include <QStringList>

namespace {

const QByteArray kBase = R"("today": "2026-12-08",
  "base_data": {"fiscal_year": 2009, "slide_rate": 0.985, "basic_pension": 792100,
                "child_addition_1": 227900, "child_addition_2": 75900},
  "members": [{"age": "34", "birth": "1992-05-01"}, {"age": "31", "birth": "1995-09-01"},
              {"age": "0", "birth": "2026-06-01", "present": true},
              {"age": "2", "birth": "2024-02-01", "present": true},
              {"age": "4", "birth": "2022-06-01", "present": true},
              {"age": "7", "birth": "2019-02-01", "present": true, "disabled": true},
              {"age": "9", "birth": "2017-06-01", "present": true}])";

// Five children, every policy, and "生命保険と必要補償額" pressed as often as
// the tool allows.
QByteArray hundredComparisons()
{
    QByteArray actions = R"("compare")";
    for (int i = 1; i < 100; ++i)
        actions += R"(, "compare")";
    return "{" + kBase + R"(,
      "num1": {"10": "150", "11": "420000", "16": "35", "14": "40", "51": "1200000", "22": "22", "23": "100",
               "24": "25", "25": "200", "26": "20", "27": "200", "49": "5000000", "50": "3000000"},
      "num4": {"0": "30", "1": "60", "2": "3000", "3": "35", "4": "65", "5": "2000", "6": "40", "7": "55",
               "8": "1000", "9": "30", "10": "500", "11": "45", "12": "300"},
      "company": ")" +
           QByteArray(1000, 'a') + R"(", "actions": [)" + actions + "]}";
}

// The pension calculation of the same household in an input of the largest
// size accepted.
QByteArray largestPension()
{
    QByteArray input = "{" + kBase + R"(, "pension_fields": ["100", "120", "300000", "150", "420000"]})";
    return input + QByteArray(izoku::cli::kMaxInputBytes - input.size(), ' ');
}

void run(benchmark::State &state, const QString &command, const QByteArray &input, int calculations)
{
    for (auto _ : state) {
        const izoku::cli::CalcResult result = izoku::cli::Calculate({command}, input);
        if (result.status != 0) {
            state.SkipWithError(result.err.constData());
            break;
        }
        benchmark::DoNotOptimize(result.out.data());
    }
    // Seconds per calculation: the run's time shared among its buttons.
    state.counters["per_calculation"] = benchmark::Counter(
        double(calculations), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_NeedsHundredComparisons(benchmark::State &state)
{
    run(state, QStringLiteral("needs"), hundredComparisons(), 100);
}
BENCHMARK(BM_NeedsHundredComparisons)->Unit(benchmark::kMillisecond);

void BM_PensionLargestInput(benchmark::State &state)
{
    run(state, QStringLiteral("pension"), largestPension(), 1);
}
BENCHMARK(BM_PensionLargestInput)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
