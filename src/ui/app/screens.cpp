#include "screens.h"

#include "formmenu.h"
#include "windowregistry.h"

#include "ui/charts/chartwindow.h"
#include "ui/coefficients/formkeisu.h"
#include "ui/needs/customersave.h"
#include "ui/needs/frmhoken.h"
#include "ui/pension/frmravo.h"
#include "ui/reference/formgengou.h"
#include "ui/reference/frmabout.h"
#include "ui/store/formdata.h"
#include "ui/store/formlogin.h"

#include <QApplication>
#include <QFont>

namespace izoku::ui {

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
            window->setSaveHandler([window, databasePath](const engine::FrmhokenForm &form) {
                SaveCustomer(window, form, SystemClock().date(), databasePath);
            });
            return window;
        },
        OnClose::Hide);
    registry.add(
        screen::About, [] { return new FrmAbout; }, OnClose::Destroy);
    registry.add(
        screen::Coefficients, [] { return new Formkeisu; }, OnClose::Destroy);
    registry.add(
        screen::EraTable, [] { return new FormGengou; }, OnClose::Destroy);
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
    // The list and the base figures are read afresh on every opening.
    registry.add(
        screen::Customers, [databasePath] { return new FormData(databasePath); }, OnClose::Destroy);
    registry.add(
        screen::BaseFigures, [databasePath] { return new FormLogin(databasePath, store::ProcessBaseData()); },
        OnClose::Destroy);
}

void ApplyApplicationFont()
{
    QFont font(QStringLiteral("Noto Sans CJK JP"));
    font.setPointSize(9);
    QApplication::setFont(font);
}

} // namespace izoku::ui
