#include "chartopeners.h"

#include "chartwindow.h"

#include "engine/needs/comparison.h"
#include "engine/needs/needscharts.h"
#include "engine/pension/pensioncalculation.h"
#include "ui/app/formmenu.h"
#include "ui/app/messageservice.h"
#include "ui/app/windowregistry.h"

namespace izoku::ui {

namespace {

// A chart of the needs-analysis sheet opens only when the sheet has one to
// give; otherwise the screen tells the agent what to press first.
template <typename Opening>
ChartWindow *openFromNeeds(WindowRegistry &registry, const QString &key, const Opening &opening)
{
    for (const engine::Message &message : opening.messages)
        ShowMessage(registry.existing(screen::Needs), message);
    return opening.chart ? ShowChartWindow(registry, key, *opening.chart) : nullptr;
}

} // namespace

ChartWindow *ShowChartWindow(WindowRegistry &registry, const QString &key, const engine::ChartFeed &feed)
{
    auto *window = qobject_cast<ChartWindow *>(registry.show(key));
    if (window)
        window->fill(feed);
    return window;
}

ChartWindow *OpenFormChart(WindowRegistry &registry, const engine::FrmRavoForm &form)
{
    return ShowChartWindow(registry, screen::PensionChart, engine::PensionChartFeed(form));
}

ChartWindow *OpenFormChart2(WindowRegistry &registry, const engine::FrmhokenForm &form)
{
    return openFromNeeds(registry, screen::CoverageChart, engine::ShowCoverageChart(form));
}

ChartWindow *OpenFormChart3(WindowRegistry &registry, const engine::FrmhokenForm &form)
{
    const engine::IncomeExpenseOpening opening = engine::ShowIncomeExpenseChart(form);
    ChartWindow *window = openFromNeeds(registry, screen::CashFlowChart, opening);
    if (window)
        window->fillTable(opening.table);
    return window;
}

ChartWindow *OpenFormChart4(WindowRegistry &registry, const engine::FrmhokenForm &form)
{
    return openFromNeeds(registry, screen::NeedsPensionChart, engine::ShowPensionChart(form));
}

} // namespace izoku::ui
