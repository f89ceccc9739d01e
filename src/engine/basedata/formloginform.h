#pragma once

#include "engine/basedata/basefigures.h"
#include "engine/forms/calculationoutcome.h"

#include <functional>
#include <optional>

namespace izoku::engine {

// 初期係数 (FormLogin): the five figures of the row of 基礎DATA start-up
// reads, beside the fiscal-2009 figures ndata.mdb is shipped with.
struct FormLoginForm {
    BaseFigureTexts num1;                                         // 登録されている内容: Num1(0) to Num1(4)
    BaseFigureTexts reference = BaseFigureTextsOf(kBaseData2009); // 2009年内容
};

// Opening: `stored`, the newest row's figures as stored, into the fields
// and from them into `baseData` (CopyBaseFigures), so that what the screen
// shows is what the calculations use.  A table without a row gives empty
// fields, which copy nothing.  A file that could not be read (no `stored`)
// leaves the fields empty and `baseData` as it was, and says so.
CalculationOutcome OpenFormLogin(FormLoginForm &form, const std::optional<BaseFigureTexts> &stored, BaseData &baseData);

// Writes the checked figures to the file: nothing once they are on the
// disk, else the message saying why they are not.
using StoreFigures = std::function<std::optional<Message>(const BaseFigureValues &values)>;

// 変更登録 after Yes: the figures are checked (ReadFiguresToStore) and
// handed to `store`.  A refusal stops with its message and a failed store
// says why; BaseData is not changed, the figures taking effect at the next
// start-up or the next opening of the screen.
CalculationOutcome RegisterBaseFigures(const FormLoginForm &form, const StoreFigures &store);

} // namespace izoku::engine
