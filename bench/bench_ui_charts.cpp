// "今後の収入と支出のグラフ" on the needs-analysis screen: from the click until
// FormChart3 is shown and filled, for a wife of 25 (40 years on the chart and
// in the 34-row item table), the most the window ever draws.
#include "engine/needs/basecalculation.h"
#include "engine/needs/frmhokenbuttons.h"
#include "engine/needs/frmhokenform.h"
#include "ui/app/formmenu.h"
#include "ui/app/screens.h"
#include "ui/app/windowregistry.h"
#include "ui/charts/chartopeners.h"
#include "ui/charts/chartwindow.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

using namespace izoku;
using namespace izoku::engine;

FrmhokenForm youngWidowHousehold(const QDate &today)
{
    FrmhokenForm form;
    OpenFrmhoken(form, kBaseData2009, today);
    auto &members = form.household.members;
    members[HouseholdIndex::Husband].birth = QDate(1999, 5, 1);
    members[HouseholdIndex::Husband].age = QStringLiteral("27");
    members[HouseholdIndex::Wife].birth = QDate(2001, 9, 1);
    members[HouseholdIndex::Wife].age = QStringLiteral("25");
    members[HouseholdIndex::Child1].birth = QDate(2024, 6, 1);
    members[HouseholdIndex::Child1].age = QStringLiteral("2");
    members[HouseholdIndex::Child1].present = true;
    form.option1 = Membership::Employee;
    form.num1(HokenNum1::EmployeeMonthsFrom2003) = QStringLiteral("60");
    form.num1(HokenNum1::AverageRemuneration) = QStringLiteral("300000");
    form.num1(HokenNum1::LivingCost) = QStringLiteral("25");
    form.num1(HokenNum1::WifeWorkFrom) = QStringLiteral("30");
    form.num1(HokenNum1::WifeWorkIncome) = QStringLiteral("1500000");
    return form;
}

// The screen after its base calculation, with the chart windows registered.
struct NeedsScreen {
    explicit NeedsScreen(benchmark::State &state)
    {
        const QDate today(2026, 12, 8);
        form = youngWidowHousehold(today);
        if (RunBaseCalculation(form, kBaseData2009, today).stopped)
            state.SkipWithError("the base calculation stopped");
        ui::RegisterScreens(registry);
    }
    // The button's handler, then the events that lay out and paint the window.
    ui::ChartWindow *press()
    {
        ui::ChartWindow *window = ui::OpenFormChart3(registry, form);
        QCoreApplication::processEvents();
        return window;
    }

    FrmhokenForm form;
    ui::WindowRegistry registry;
};

// Opening a chart that is not open yet: the window is built, shown and
// drawn.
void BM_OpenFormChart3(benchmark::State &state)
{
    NeedsScreen screen(state);
    for (auto _ : state) {
        ui::ChartWindow *window = screen.press();
        if (!window || window->variant().key != ui::screen::CashFlowChart) {
            state.SkipWithError("FormChart3 did not open");
            break;
        }
        state.PauseTiming();
        window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenFormChart3)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

// Pressing the button again while the chart is open: everything redrawn.
void BM_RefreshOpenFormChart3(benchmark::State &state)
{
    NeedsScreen screen(state);
    screen.press();
    for (auto _ : state)
        benchmark::DoNotOptimize(screen.press());
}
BENCHMARK(BM_RefreshOpenFormChart3)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char **argv)
{
    // The windows are drawn off screen unless a display is asked for.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    izoku::ui::ApplyApplicationFont();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
