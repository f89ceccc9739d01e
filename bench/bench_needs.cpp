// "基礎計算(2度押し)" then "生命保険と必要補償額" on the needs-analysis screen,
// from the form's texts to the comparison chart's feed, for the largest
// household the screen takes with every policy entered.
#include "engine/needs/basecalculation.h"
#include "engine/needs/comparison.h"
#include "engine/needs/frmhokenbuttons.h"
#include "engine/needs/frmhokenform.h"

#include <benchmark/benchmark.h>

namespace {

using namespace izoku::engine;

FrmhokenForm fiveChildHousehold(const QDate &today)
{
    FrmhokenForm form;
    OpenFrmhoken(form, kBaseData2009, today);
    auto &members = form.household.members;
    members[HouseholdIndex::Husband].birth = QDate(1992, 5, 1);
    members[HouseholdIndex::Husband].age = QStringLiteral("34");
    members[HouseholdIndex::Wife].birth = QDate(1995, 9, 1);
    members[HouseholdIndex::Wife].age = QStringLiteral("31");
    const int ages[] = {0, 2, 4, 7, 9};
    for (int k = 0; k < 5; ++k) {
        HouseholdMember &child = members[HouseholdIndex::Child1 + k];
        child.birth = QDate(2026 - ages[k], k % 2 ? 2 : 6, 1);
        child.age = QString::number(ages[k]);
        child.present = true;
    }
    const std::pair<int, const char *> num1[] = {
        {HokenNum1::EmployeeMonthsTo2003, "0"},
        {HokenNum1::EmployeeMonthsFrom2003, "150"},
        {HokenNum1::AverageRemuneration, "420000"},
        {HokenNum1::LivingCost, "35"},
        {HokenNum1::WifeWorkFrom, "40"},
        {HokenNum1::WifeWorkIncome, "1200000"},
        {HokenNum1::Support1Age, "22"},
        {HokenNum1::Support1Amount, "100"},
        {HokenNum1::Support2Age, "25"},
        {HokenNum1::Support2Amount, "200"},
        {HokenNum1::Housing, "20"},
        {HokenNum1::Funeral, "200"},
        {HokenNum1::RetirementAllowance, "5000000"},
        {HokenNum1::Savings, "3000000"},
    };
    for (const auto &[slot, text] : num1)
        form.num1(slot) = QString::fromUtf8(text);
    const char *policies[] = {"30", "60", "3000", "35", "65", "2000", "40", "55", "1000", "30", "500", "45", "300"};
    for (int slot = 0; slot < 13; ++slot)
        form.num4[static_cast<size_t>(slot)] = QString::fromUtf8(policies[slot]);
    return form;
}

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
