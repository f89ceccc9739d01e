// "今後の収入と支出のグラフ" on the needs-analysis screen: from the click until
// FormChart3 is shown and filled, for a wife of 25 (40 years on the chart and
// in the 34-row item table), the most the window ever draws.
#include "engine/needs/customerrecord.h"
#include "engine/needs/frmhokenbuttons.h"
#include "engine/needs/frmhokenform.h"
#include "ui/app/applicationsetup.h"
#include "ui/app/formmenu.h"
#include "ui/app/screens.h"
#include "ui/app/windowregistry.h"
#include "ui/charts/chartwindow.h"
#include "ui/needs/frmhoken.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>

#include <benchmark/benchmark.h>

namespace {

using namespace izoku;
using namespace izoku::engine;

// The household reopened from the customer list, with what the list does
// not keep typed on the screen.
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
    form.num1(HokenNum1::EmployeeMonthsFrom2003) = QStringLiteral("60");
    form.num1(HokenNum1::AverageRemuneration) = QStringLiteral("300000");
    return form;
}

const std::pair<int, const char *> kTypedOnScreen[] = {
    {HokenNum1::LivingCost, "25"},
    {HokenNum1::WifeWorkFrom, "30"},
    {HokenNum1::WifeWorkIncome, "1500000"},
};

// The household is not one of the customer list's rows.
constexpr qint64 kNoStoredRow = -1;

// The needs-analysis screen after its base calculation, with the chart
// windows registered.
struct NeedsScreen {
    explicit NeedsScreen(benchmark::State &state)
    {
        const QDate today = QDate::currentDate();
        ui::RegisterScreens(registry);
        screen = qobject_cast<ui::Frmhoken *>(registry.show(ui::screen::Needs));
        screen->reopenCustomer(CustomerRecordOf(youngWidowHousehold(today), today), kNoStoredRow);
        for (const auto &[slot, text] : kTypedOnScreen)
            field(slot)->setText(QString::fromUtf8(text));
        button(QStringLiteral("cmdBase"))->click();
        if (!screen->form().sheet.exists())
            state.SkipWithError("the base calculation stopped");
    }
    QLineEdit *field(int slot) const { return screen->findChild<QLineEdit *>(QStringLiteral("Num1(%1)").arg(slot)); }
    QPushButton *button(const QString &name) const { return screen->findChild<QPushButton *>(name); }
    // The click, then the events that lay out and paint the window.
    ui::ChartWindow *press()
    {
        button(QStringLiteral("cmdCashFlowChart"))->click();
        QCoreApplication::processEvents();
        return qobject_cast<ui::ChartWindow *>(registry.existing(ui::screen::CashFlowChart));
    }

    ui::WindowRegistry registry;
    ui::Frmhoken *screen = nullptr;
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
    izoku::ui::SetUpApplication();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
