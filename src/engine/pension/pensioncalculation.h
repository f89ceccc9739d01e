#pragma once

#include "frmravoform.h"

#include "engine/basedata/basedata.h"
#include "engine/charts/chartfeed.h"
#include "engine/forms/calculationoutcome.h"

#include <QDate>

namespace izoku::engine {

// "年金計算": checks the pension fields and the wife's age, then rebuilds the
// result slots, the formula panels and the schedule from scratch for the
// husband's membership.  A figure beyond any whole number ends it silently
// with what it had written.
CalculationOutcome RunPensionCalculation(FrmRavoForm &form, const BaseData &base, const QDate &today);

// "グラフの表示": the chart of the yearly totals by the wife's age, with the
// result slots and the insured periods beside it.  The chart window numbers
// its fields as the screen numbers them: `fields` by BenefitSlots (all but
// the unused one), `periodFields` by Text6 (the pension record without the
// slide rate).
ChartFeed PensionChartFeed(const FrmRavoForm &form);

} // namespace izoku::engine
