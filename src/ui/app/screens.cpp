#include "screens.h"

#include "basedatainuse.h"
#include "formmenu.h"
#include "windowregistry.h"

#include "ui/charts/chartwindow.h"
#include "ui/coefficients/formkeisu.h"
#include "ui/needs/customersave.h"
#include "ui/needs/frmhoken.h"
#include "ui/pension/frmravo.h"
#include "ui/reference/formgengou.h"
#include "ui/reference/formhelp.h"
#include "ui/reference/formhthsyo.h"
#include "ui/reference/formkyouikuhi.h"
#include "ui/reference/formkyuyo.h"
#include "ui/reference/formnen_1.h"
#include "ui/reference/formyouken.h"
#include "ui/reference/frmabout.h"
#include "ui/reference/frmbubunnkn.h"
#include "ui/reference/frmkakyu.h"
#include "ui/reference/frmkkfskk.h"
#include "ui/reference/frmrekisi.h"
#include "ui/reference/frmsyubetu.h"
#include "ui/store/formdata.h"
#include "ui/store/formlogin.h"

namespace izoku::ui {

namespace {

template <typename Window> void addReference(WindowRegistry &registry, const QString &key)
{
    registry.add(
        key, [] { return new Window; }, OnClose::Destroy);
}

// A window that states figures the calculation uses shows those of the year
// in use, and when another year is chosen while it is open, it opens again
// with that year's.
template <typename Window> void addYearReference(WindowRegistry &registry, const QString &key)
{
    registry.add(
        key, [] { return new Window(store::ProcessBaseData()); }, OnClose::Destroy);
    QObject::connect(&BaseDataInUse::instance(), &BaseDataInUse::figuresChanged, registry.lifetime(),
                     [&registry, key] { registry.renew(key); });
}

void registerReferenceWindows(WindowRegistry &registry)
{
    registry.add(
        screen::History, [&registry] { return new FrmRekisi([&registry] { registry.show(screen::InsuredKinds); }); },
        OnClose::Destroy);
    addReference<FrmSyubetu>(registry, screen::InsuredKinds);
    addReference<FrmBubunnkn>(registry, screen::PartialPension);
    addYearReference<FrmKakyu>(registry, screen::TransferAddition);
    addReference<Frmkkfskk>(registry, screen::EmployeesPensionCalc);
    addReference<FormHThsyo>(registry, screen::PensionLevel);
    addYearReference<FormNen_1>(registry, screen::PensionAmounts);
    addYearReference<FormYouken>(registry, screen::Requirements);
    addReference<FormKyouikuhi>(registry, screen::EducationCosts);
    addReference<FormKyuyo>(registry, screen::Salaries);
    // The guide pictures the needs-analysis screen as it is, building it
    // (hidden) if the agent has not opened it yet.
    registry.add(
        screen::Help, [&registry] { return new FormHelp([&registry] { return registry.window(screen::Needs); }); },
        OnClose::Destroy);
}

} // namespace

void RegisterScreens(WindowRegistry &registry, const QString &databasePath)
{
    // The two calculation screens hide when closed, so the household and the
    // results are still there when the agent comes back to them.
    registry.add(
        screen::Pension, [&registry] { return new FrmRavo(registry, SystemClock); }, OnClose::Hide);
    registry.add(
        screen::Needs,
        [&registry, databasePath] {
            auto *window = new Frmhoken(registry, SystemClock);
            window->setSaveHandler([window, databasePath](const engine::FrmhokenForm &form, qint64 key) {
                return SaveCustomer(window, form, SystemClock().date(), databasePath, key);
            });
            return window;
        },
        OnClose::Hide);
    // A copy restored from the version box replaces the customers the list
    // shows.
    registry.add(
        screen::About,
        [&registry] {
            return new FrmAbout(SystemClock, [&registry] {
                if (auto *list = qobject_cast<FormData *>(registry.existing(screen::Customers)))
                    list->reload();
            });
        },
        OnClose::Destroy);
    registry.add(
        screen::Coefficients, [] { return new Formkeisu; }, OnClose::Destroy);
    registry.add(
        screen::EraTable, [] { return new FormGengou(SystemClock().date()); }, OnClose::Destroy);
    // A chart is a snapshot of its screen's sheet: closed, it is gone, and the
    // next opening draws it afresh.
    registry.add(
        screen::PensionChart, [] { return new ChartWindow(FormChartVariant()); }, OnClose::Destroy);
    registry.add(
        screen::NeedsPensionChart, [] { return new ChartWindow(FormChart4Variant()); }, OnClose::Destroy);
    registry.add(
        screen::CoverageChart, [] { return new ChartWindow(FormChart2Variant()); }, OnClose::Destroy);
    registry.add(
        screen::CashFlowChart, [] { return new ChartWindow(FormChart3Variant()); }, OnClose::Destroy);
    registry.add(
        screen::DeathYearChart, [] { return new ChartWindow(FormChart5Variant()); }, OnClose::Destroy);
    // The list and the base figures are read afresh on every opening.
    registry.add(
        screen::Customers,
        [&registry, databasePath] {
            auto *list = new FormData(databasePath);
            list->setOpenHandler(
                [&registry, list, databasePath](qint64 key) { OpenCustomer(list, registry, databasePath, key); });
            return list;
        },
        OnClose::Destroy);
    registry.add(
        screen::BaseFigures,
        [databasePath] {
            auto *figures = new FormLogin(databasePath);
            figures->open();
            return figures;
        },
        OnClose::Destroy);
    registerReferenceWindows(registry);
}

} // namespace izoku::ui
