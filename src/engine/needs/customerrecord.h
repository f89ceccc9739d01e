#pragma once

#include "engine/forms/calculationoutcome.h"
#include "engine/forms/message.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <vector>

namespace izoku::engine {

struct FrmhokenForm;

// One field of a saved household: the column of 顧客資料 and its text.
struct CustomerField {
    QString name;
    QString text;

    bool operator==(const CustomerField &) const = default;
};

// A household as 保 存 writes it: the family, the husband's pension record
// and the insurance held, never the calculation results.
using CustomerRecord = std::vector<CustomerField>;

// Every column of 顧客資料 in table order, the customer list's grid order.
const QStringList &CustomerColumns();

// The 46 fields 保 存 sets, in the order it sets them, from the screen's
// texts as they stand (nothing is checked: an agent may save a household
// half typed and complete it later).  Dates are "yyyy/mm/dd"; the marks
// of 子1 … 子5 are "1" for a disabled child and "0" otherwise.
CustomerRecord CustomerRecordOf(const FrmhokenForm &form, const QDate &today);

// "開く" on the customer list: the saved household `record` (fields by
// column name, as stored) into the form, the base date set to today.  Texts
// are taken as they were stored, so a hand-edited value that does not read
// as a number reaches the calculation, which reports it as usual.  A child
// counts (対象) when anything of it was typed: a name, an age above 0 or a
// birth date other than the saving date, which is what an untouched date
// picker held when the row was saved.  The results of the household on
// screen before are cleared.
CalculationOutcome ReopenCustomer(FrmhokenForm &form, const CustomerRecord &record, const QDate &today);

// Whether the form holds a household the agent typed, which reopening a
// saved one would replace: a name, an age above 0 or a ticked child.
bool HoldsHousehold(const FrmhokenForm &form);

// Asked before a saved household replaces the one on screen.
Message ReplaceHouseholdQuestion();

// 保 存 on a reopened household: over its row, as a new one, or not at all.
Message SaveAgainQuestion();

// 削除 on the customer list: a removed household cannot be brought back.
Message DeleteCustomerQuestion();
Message DeleteFailedMessage();
// The list or a row of it could not be read.
Message ReadFailedMessage();

// The one date format of 顧客資料.
QString RecordDate(const QDate &date);

// A save that did not reach the disk says so; the screen keeps what was
// typed so the agent can try again.
Message SaveFailedMessage();

} // namespace izoku::engine
