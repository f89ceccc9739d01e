#include "sheetchart.h"

#include "engine/charts/yearlychart.h"
#include "engine/needs/frmhokenform.h"

namespace izoku::engine {

ChartFeed SheetRowsChart(const FrmhokenForm &form, int rows, int series1Row, int series2Row)
{
    const double wifeAge = form.num1Value(HokenNum1::WifeAge);
    ChartFeed feed;
    feed.name = form.household.members[HouseholdIndex::Husband].name;
    for (int j = 1; j <= rows; ++j) {
        feed.series1.push_back(ManYen(form.sheet.value(series1Row, j)));
        feed.series2.push_back(ManYen(form.sheet.value(series2Row, j)));
        feed.rowLabels << ChartRowLabel(wifeAge, j);
    }
    return feed;
}

} // namespace izoku::engine
