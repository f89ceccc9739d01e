#pragma once

#include <QString>

namespace izoku::engine {
struct ChartFeed;
struct FrmRavoForm;
struct FrmhokenForm;
} // namespace izoku::engine

namespace izoku::ui {

class ChartWindow;
class WindowRegistry;

// The chart buttons of the two calculation screens.  Each shows its chart
// window (creating it if it is not open) and then rebuilds everything in it
// from the form as it stands, so pressing the button again refreshes an open
// chart.  The screen copies its fields into the form first.  Each returns
// the window, or null when nothing was opened.

// Shows chart window `key` and rebuilds it from `feed`; null when `key` is
// not a chart window.
ChartWindow *ShowChartWindow(WindowRegistry &registry, const QString &key, const engine::ChartFeed &feed);

// "グラフの表示" of the survivors' pension screen: the schedule of the last
// "年金計算", the result slots and the insured periods.
ChartWindow *OpenFormChart(WindowRegistry &registry, const engine::FrmRavoForm &form);

// "生命保険と必要補償額" of the needs-analysis screen, once
// CompareInsuranceWithCoverage has run on the form and given its chart: the
// insurance in force against the coverage still needed.  (The comparison's
// own messages are the screen's; called on a form without a sheet this shows
// "基礎計算実行ボタンを押してください" and opens nothing.)
ChartWindow *OpenFormChart2(WindowRegistry &registry, const engine::FrmhokenForm &form);

// "今後の収入と支出のグラフ": expenses against income until the wife is 64,
// with the items year by year.  Before any base calculation it shows
// "基礎計算実行ボタンを押してください" over the needs-analysis screen and opens
// nothing.
ChartWindow *OpenFormChart3(WindowRegistry &registry, const engine::FrmhokenForm &form);

// "遺族年金グラフ": the survivors' pensions of the sheet until the wife is 64;
// refused before any base calculation like the chart above.
ChartWindow *OpenFormChart4(WindowRegistry &registry, const engine::FrmhokenForm &form);

} // namespace izoku::ui
