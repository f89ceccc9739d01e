#pragma once

#include "engine/basedata/basedata.h"
#include "engine/forms/calculationoutcome.h"
#include "engine/forms/message.h"

#include <QDate>

namespace izoku::engine {

struct FrmhokenForm;

// "基礎計算(2度押し)": checks the pension record and the wife's age, looks up
// the horizon, determines every survivors' benefit on the calculation-
// process panel and in block ①, and builds the projection sheet.  The
// checks stop it before anything is rebuilt.  An amount too large for the
// yearly sums stops it with a message and leaves no sheet behind, so no
// chart or coverage is drawn from half a projection.
CalculationOutcome RunBaseCalculation(FrmhokenForm &form, const BaseData &baseData, const QDate &today);

// The message of an amount too large to compute with.
Message AmountTooLargeMessage();

// The message of a button that needs the sheet of a base calculation.
Message NoBaseCalculationMessage();

} // namespace izoku::engine
