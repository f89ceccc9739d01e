#pragma once

#include "engine/needs/comparison.h"

#include <QStringList>

#include <vector>

namespace izoku::engine {

struct FrmhokenForm;

// "遺族年金グラフ" (FormChart4): the yearly survivors' benefits of the sheet
// until the wife is 64, with block ① and the pension record beside them.
ChartOpening ShowPensionChart(const FrmhokenForm &form);

// "今後の収入と支出のグラフ" (FormChart3): yearly expenses against income until
// the wife is 64, with the sheet's items year by year in the chart's table.
struct IncomeExpenseOpening {
    Messages messages;
    std::optional<ChartFeed> chart;
    std::vector<QStringList> table; // 34 rows of R + 2 cells
};
IncomeExpenseOpening ShowIncomeExpenseChart(const FrmhokenForm &form);

} // namespace izoku::engine
