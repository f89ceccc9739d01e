#include "chartopeners.h"

#include "chartwindow.h"

#include "engine/pension/pensioncalculation.h"
#include "ui/app/formmenu.h"
#include "ui/app/windowregistry.h"

namespace izoku::ui {

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

} // namespace izoku::ui
