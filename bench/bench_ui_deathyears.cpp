// "死亡時期別" on the needs-analysis screen for the longest curve the screen
// draws: five children, a husband of 30 and a wife of 25, a year of death for
// each of his ages up to 64 (35 years).  Goals: under 10 ms for the curve in
// the engine, under 50 ms from the click until FormChart5 is shown and
// filled.
#include "fivechildhousehold.h"

#include "engine/needs/customerrecord.h"
#include "engine/needs/deathyears.h"
#include "engine/needs/frmhokenform.h"
#include "store/database.h"
#include "ui/app/formmenu.h"
#include "ui/app/screens.h"
#include "ui/app/windowregistry.h"
#include "ui/charts/chartwindow.h"
#include "ui/needs/frmhoken.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include <benchmark/benchmark.h>

namespace {

using namespace izoku;
using namespace izoku::engine;

constexpr std::size_t kLongestCurve = 35;
// The household is not one of the customer list's rows.
constexpr qint64 kNoStoredRow = -1;

FrmhokenForm youngFamily(const QDate &today)
{
    FrmhokenForm form = bench::fiveChildHousehold(today);
    auto &members = form.household.members;
    members[HouseholdIndex::Husband].birth = today.addYears(-30).addDays(-10);
    members[HouseholdIndex::Husband].age = QStringLiteral("30");
    members[HouseholdIndex::Wife].birth = today.addYears(-25).addDays(-10);
    members[HouseholdIndex::Wife].age = QStringLiteral("25");
    form.reference = FrmhokenForm::Reference::LifeExpectancy;
    return form;
}

void BM_DeathYearCurveEngine(benchmark::State &state)
{
    const QDate today(2026, 12, 8);
    const FrmhokenForm form = youngFamily(today);
    for (auto _ : state) {
        const DeathYearCurve curve = NeedByYearOfDeath(form, kBaseData2009, today);
        if (curve.points.size() != kLongestCurve)
            state.SkipWithError("the curve is not the longest one");
        benchmark::DoNotOptimize(curve);
    }
}
BENCHMARK(BM_DeathYearCurveEngine)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

// The household typed on the screen, then the click and the events that
// lay out and paint the chart window.
void BM_DeathYearChartWindow(benchmark::State &state)
{
    const QDate today = QDate::currentDate();
    ui::WindowRegistry registry;
    ui::RegisterScreens(registry);
    auto *screen = qobject_cast<ui::Frmhoken *>(registry.show(ui::screen::Needs));
    const FrmhokenForm form = youngFamily(today);
    // Reopened as from the customer list, with what the list does not keep
    // typed on the screen.
    screen->reopenCustomer(CustomerRecordOf(form, today), kNoStoredRow);
    for (int slot = HokenNum1::LivingCost; slot < HokenNum1::kCount; ++slot)
        screen->findChild<QLineEdit *>(ControlName(QStringLiteral("Num1"), slot))->setText(form.num1(slot));
    screen->findChild<QRadioButton *>(QStringLiteral("Option4"))->setChecked(true);
    auto *button = screen->findChild<QPushButton *>(QStringLiteral("cmdDeathYearChart"));
    QCoreApplication::processEvents();
    for (auto _ : state) {
        button->click();
        QCoreApplication::processEvents();
        auto *window = qobject_cast<ui::ChartWindow *>(registry.existing(ui::screen::DeathYearChart));
        const auto *list = window ? window->findChild<QListWidget *>(QStringLiteral("List1")) : nullptr;
        if (!list || list->count() != static_cast<int>(kLongestCurve)) {
            state.SkipWithError("FormChart5 did not open with the longest curve");
            break;
        }
        state.PauseTiming();
        window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_DeathYearChartWindow)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    store::ProcessBaseData() = kBaseData2009;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
