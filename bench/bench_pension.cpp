// One "年金計算" of the survivors' pension screen, from the form's texts to
// the finished schedule, for the largest household the screen takes.
#include "engine/pension/pensioncalculation.h"

#include <benchmark/benchmark.h>

namespace {

using namespace izoku::engine;

FrmRavoForm fiveChildHousehold(const QDate &today)
{
    FrmRavoForm form;
    OpenFrmRavo(form, kBaseData2009, today);
    form.household.members[HouseholdIndex::Husband].birth = QDate(1978, 5, 1);
    form.household.members[HouseholdIndex::Wife].birth = QDate(1982, 9, 1);
    form.household.members[HouseholdIndex::Wife].age = QStringLiteral("44");
    const int ages[] = {1, 4, 7, 11, 16};
    for (int k = 0; k < 5; ++k) {
        HouseholdMember &child = form.household.members[HouseholdIndex::Child1 + k];
        child.birth = QDate(2025 - ages[k], 6, 1);
        child.age = QString::number(ages[k]);
        child.present = true;
    }
    form.household.members[HouseholdIndex::Child5].disabled = true;
    form.text6 = {QStringLiteral("24"),  QStringLiteral("120"),    QStringLiteral("300000"),
                  QStringLiteral("284"), QStringLiteral("450000"), QStringLiteral("0.985")};
    return form;
}

void BM_PensionCalculationFiveChildren(benchmark::State &state)
{
    const QDate today(2026, 12, 8);
    FrmRavoForm form = fiveChildHousehold(today);
    for (auto _ : state) {
        const CalculationOutcome outcome = RunPensionCalculation(form, kBaseData2009, today);
        benchmark::DoNotOptimize(outcome);
        benchmark::DoNotOptimize(form.schedule.cell(ScheduleRow::Total, 1));
    }
}
BENCHMARK(BM_PensionCalculationFiveChildren)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

} // namespace

BENCHMARK_MAIN();
