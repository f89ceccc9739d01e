#pragma once

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

// The one date format of 顧客資料.
QString RecordDate(const QDate &date);

// A save that did not reach the disk says so; the screen keeps what was
// typed so the agent can try again.
Message SaveFailedMessage();

} // namespace izoku::engine
