#pragma once

#include <QString>

namespace izoku::engine {
struct ChartFeed;
struct FrmRavoForm;
} // namespace izoku::engine

namespace izoku::ui {

class ChartWindow;
class WindowRegistry;

// The chart buttons of the two calculation screens.  Each shows its chart
// window (creating it if it is not open) and then rebuilds everything in it
// from the form as it stands, so pressing the button again refreshes an open
// chart.  The screen copies its fields into the form first.

// Shows chart window `key` and rebuilds it from `feed`; null when `key` is
// not a chart window.
ChartWindow *ShowChartWindow(WindowRegistry &registry, const QString &key, const engine::ChartFeed &feed);

// "グラフの表示" of the survivors' pension screen: the schedule of the last
// "年金計算", the result slots and the insured periods.
ChartWindow *OpenFormChart(WindowRegistry &registry, const engine::FrmRavoForm &form);

} // namespace izoku::ui
