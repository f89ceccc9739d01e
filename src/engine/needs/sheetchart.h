#pragma once

#include "engine/charts/chartfeed.h"

namespace izoku::engine {

struct FrmhokenForm;

// A chart of two sheet rows over the first `rows` years, in whole 万円, each
// row labelled with the wife's age that year, for the customer named in the
// husband's line.  The axis and anything else the window shows are the
// caller's.
ChartFeed SheetRowsChart(const FrmhokenForm &form, int rows, int series1Row, int series2Row);

} // namespace izoku::engine
