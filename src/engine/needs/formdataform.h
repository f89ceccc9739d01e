#pragma once

#include "engine/forms/calculationoutcome.h"
#include "engine/forms/household.h"
#include "engine/needs/customerrecord.h"

#include <QString>

#include <array>
#include <optional>

namespace izoku::engine {

// The detail boxes of the customer list, Text1(0) to Text1(46), laid out
// as on the needs-analysis screen: the family column by column, one box per
// person, then the husband's pension record and the insurance held.
struct FormDataText1 {
    enum Slot : int {
        Name1 = 0,  // 氏名 of 夫, 妻, 子1 … 子5 in 0 … 6
        Birth1 = 7, // 生年月日
        Age1 = 14,  // 年齢
        Mark1 = 21, // 障害: the husband and the wife carry none
        NationalMonths = 28,
        EmployeeMonthsTo2003 = 29,
        AverageMonthlyRemuneration = 30,
        EmployeeMonthsFrom2003 = 31,
        AverageRemuneration = 32,
        Company = 33,
        Term1From = 34,      // term policy p from/to/amount in 34 + 3p …
        WholeLife1From = 43, // whole-life policy q from/amount in 43 + 2q …
    };
    static constexpr int kCount = 47;
    static constexpr int kTermPolicyBoxes = 3;
    static constexpr int kWholeLifePolicyBoxes = 2;
};

// 顧客データ一覧 (FormData): what the boxes show of the current row.
struct FormDataForm {
    QString text2; // 登録日
    std::array<QString, FormDataText1::kCount> text1;
};

// The current row into the boxes: `record`, or nothing (an empty list, a
// search without a match) for empty boxes.  Never stops: {}.
CalculationOutcome ShowCustomer(FormDataForm &form, const std::optional<CustomerRecord> &record);

// The four move buttons: "|| <<", "<", ">", ">> || ".
enum class RowMove { First, Previous, Next, Last };

// The row a move goes to among `rows` from `current`; past either end a
// move stays on the end row, and a list without rows has none (-1).
int RowAfterMove(RowMove move, int current, int rows);

// After 削除 of row `removed`, `rows` left: the row that took its place, or
// the new last one when the last was removed (-1 when none is left).
int RowAfterRemoval(int removed, int rows);

} // namespace izoku::engine
