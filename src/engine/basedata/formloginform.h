#pragma once

#include "engine/basedata/basefigures.h"
#include "engine/forms/calculationoutcome.h"

#include <QList>

#include <functional>
#include <optional>

namespace izoku::engine {

// One row of 基礎DATA as the file holds it: its key there and its figures as
// the fields show them.
struct StoredBaseFigures {
    qint64 key = -1;
    BaseFigureTexts texts;

    bool operator==(const StoredBaseFigures &) const = default;
};

// 初期係数 (FormLogin): the figures of one fiscal year of 基礎DATA, the year
// the calculations use, beside the fiscal-2009 figures ndata.mdb was first
// shipped with.
struct FormLoginForm {
    BaseFigureTexts num1;                                         // 登録されている内容: Num1(0) to Num1(6)
    BaseFigureTexts reference = BaseFigureTextsOf(kBaseData2009); // 2009年内容
    // The rows of the file as the opening read them, newest first, and the
    // key of the one the fields show: -1 while a year is being added (and
    // for a table without a row), until 変更登録 stores it.
    QList<StoredBaseFigures> rows;
    qint64 shownKey = -1;
};

// The fiscal year the figures name, if it is one a row may hold.
std::optional<int> FiscalYearOf(const BaseFigureTexts &texts);

// Opening: `rows`, read from the file newest first, into the form; the
// fields show the row of `yearInUse`, the year the calculations use, or
// the newest when no row holds it.  A table without a row gives empty
// fields.  A file that could not be read (no `rows`) leaves the fields
// empty and says so.
CalculationOutcome OpenFormLogin(FormLoginForm &form, const std::optional<QList<StoredBaseFigures>> &rows,
                                 int yearInUse);

// 年度追加: the fields show the year after the newest, with the newest
// row's figures for the agent to revise; nothing is stored until 変更登録.
CalculationOutcome AddFiscalYear(FormLoginForm &form);

// Writes the checked figures to the file: nothing once they are on the
// disk, else the message saying why they are not.
using StoreFigures = std::function<std::optional<Message>(const BaseFigureValues &values)>;

// 変更登録 after Yes: the figures are checked (ReadFiguresToStore; a year
// another row already holds is refused too) and handed to `store`.  A
// refusal stops with its message and a failed store says why.
CalculationOutcome RegisterBaseFigures(const FormLoginForm &form, const StoreFigures &store);

// 年度削除: the calculations need one year at least, so the only row is
// never removed; nothing when the row shown may be.
std::optional<Message> RemovalRefusal(const FormLoginForm &form);
// Asked before the row shown is removed.
Message RemoveFiscalYearQuestion(const FormLoginForm &form);

} // namespace izoku::engine
