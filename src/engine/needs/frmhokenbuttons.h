#pragma once

#include "engine/basedata/basedata.h"
#include "engine/forms/message.h"

#include <QDate>

#include <optional>

// The needs-analysis screen's own buttons that need no calculation: opening,
// the ages, the three period calculators and the clears.  `today` is the
// system date the window passes in.
namespace izoku::engine {

struct FrmhokenForm;

// The first showing of the screen: every date picker today, the
// life-expectancy list, and the slide rate and the wife's old-age basic
// pension from this year's base figures.
void OpenFrmhoken(FrmhokenForm &form, const BaseData &baseData, const QDate &today);

// "Now": the base date back to today.
void SetBaseDateToday(FrmhokenForm &form, const QDate &today);

// "年齢計算".
void ComputeAges(FrmhokenForm &form, const QDate &today);

// The focus leaves birth date `index` (0 夫, 1 妻, 2..6 子1..子5).
void LeaveBirthDate(FrmhokenForm &form, int index, const QDate &today);

// "①期間計算": employees' months up to March 2003 from the company entry
// date; a message when he joined later.
std::optional<Message> CalculateMonthsTo2003(FrmhokenForm &form);
// "②期間計算": employees' months from April 2003 to the end date.
void CalculateMonthsFrom2003(FrmhokenForm &form);
// "期間計算": months between the two dates of a national pension period.
void CalculateNationalMonths(FrmhokenForm &form);

// The clear buttons.  None touches the slide rate, the wife's work end age,
// the school costs, the wife's old-age pension, the death lump sum's age,
// the chart's reference age and range, or the options.
void ClearInputData(FrmhokenForm &form, const QDate &today); // "入力データ CE"
void ClearPeriods(FrmhokenForm &form);                       // "CE" under the pension record
void ClearIncome(FrmhokenForm &form);                        // "CE" of ① 収入
void ClearExpenses(FrmhokenForm &form);                      // "CE" of ② 支出
void ClearCompany(FrmhokenForm &form);                       // "CE" beside 保険会社
void ClearTermInsurance(FrmhokenForm &form);                 // "CE" of 平準定期保険
void ClearWholeLife(FrmhokenForm &form);                     // "CE" of 終身保険
void ClearAll(FrmhokenForm &form, const QDate &today);       // "AC"

} // namespace izoku::engine
