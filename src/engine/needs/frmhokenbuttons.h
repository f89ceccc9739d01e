#pragma once

#include "engine/basedata/basedata.h"
#include "engine/forms/calculationoutcome.h"

#include <QDate>

// The needs-analysis screen's own buttons that need no calculation: opening,
// the ages and the clears; the three period calculators are the pension
// record's (pensionrecord.h).  `today` is the system date the window passes
// in.  Each returns what the window must show,
// like every operation of a form, so the window runs them all one way.
namespace izoku::engine {

struct FrmhokenForm;

// The first showing of the screen: every date picker today, the
// life-expectancy list, and the slide rate and the wife's old-age basic
// pension from this year's base figures.
void OpenFrmhoken(FrmhokenForm &form, const BaseData &baseData, const QDate &today);

// Another fiscal year in use (chosen on the menu, or stored again on the
// maintenance screen): its slide rate and basic pension into Num1(12) and
// Num1(52), as the opening puts them there, and its year and law into
// lblLaw.  Nothing else the agent typed or the last calculation showed
// changes.
CalculationOutcome TakeBaseFigures(FrmhokenForm &form, const BaseData &baseData);

// "Now": the base date back to today.
CalculationOutcome SetBaseDateToday(FrmhokenForm &form, const QDate &today);

// "年齢計算".
CalculationOutcome ComputeAges(FrmhokenForm &form, const QDate &today);

// The focus leaves birth date `index` (0 夫, 1 妻, 2..6 子1..子5).
CalculationOutcome LeaveBirthDate(FrmhokenForm &form, int index, const QDate &today);

// The clear buttons.  None touches the slide rate, the wife's work end age,
// the school costs, the wife's old-age pension, the death lump sum's age,
// the chart's reference age and range, or the options.
CalculationOutcome ClearInputData(FrmhokenForm &form, const QDate &today); // "入力データ CE"
CalculationOutcome ClearPeriods(FrmhokenForm &form);                       // "CE" under the pension record
CalculationOutcome ClearIncome(FrmhokenForm &form);                        // "CE" of ① 収入
CalculationOutcome ClearExpenses(FrmhokenForm &form);                      // "CE" of ② 支出
CalculationOutcome ClearCompany(FrmhokenForm &form);                       // "CE" beside 保険会社
CalculationOutcome ClearTermInsurance(FrmhokenForm &form);                 // "CE" of 平準定期保険
CalculationOutcome ClearWholeLife(FrmhokenForm &form);                     // "CE" of 終身保険
CalculationOutcome ClearAll(FrmhokenForm &form, const QDate &today);       // "AC"

} // namespace izoku::engine
