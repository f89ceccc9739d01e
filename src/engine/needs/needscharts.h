#pragma once

#include "engine/needs/comparison.h"

#include <QStringList>

#include <vector>

namespace izoku::engine {

struct FrmhokenForm;

// FormChart4's numbered fields (Num1 of the chart window): block ① of the
// needs-analysis screen in the window's own order, then the husband's
// pension record.
struct NeedsPensionChartField {
    enum : int {
        EmployeesPensionFrom = 0,
        EmployeesPensionTo = 1,
        MiddleAgedFrom = 2,
        MiddleAgedTo = 3,
        BasicPhase1From = 4, // phase p from/to in 4 + 2p, 5 + 2p
        BasicPhase1To = 5,
        WidowsPensionFrom = 14,
        WidowsPensionTo = 15,
        TransitionalFrom = 16,
        TransitionalTo = 17,
        LumpSumAge = 18,
        EmployeesPensionAmount = 19,
        MiddleAgedAmount = 20,
        BasicPhase1Amount = 21, // phase p in 21 + p
        WidowsPensionAmount = 26,
        TransitionalAmount = 27,
        LumpSumAmount = 28,
        NationalMonths = 29,
        EmployeeMonthsTo2003 = 30,
        AverageMonthlyRemuneration = 31,
        EmployeeMonthsFrom2003 = 32,
        AverageRemuneration = 33,
        Count = 34,
    };
    static constexpr int PhaseFrom(int phase) { return BasicPhase1From + 2 * phase; }
    static constexpr int PhaseTo(int phase) { return BasicPhase1To + 2 * phase; }
    static constexpr int PhaseAmount(int phase) { return BasicPhase1Amount + phase; }
};

// "遺族年金グラフ" (FormChart4): the yearly survivors' benefits of the sheet
// until the wife is 64, with block ① and the pension record beside them.
ChartOpening ShowPensionChart(const FrmhokenForm &form);

// FormChart3's item table: a row per item (the ages, the income items and
// their total, the expense items and their total, and what the income
// leaves uncovered), the item's name in the first column and then a column
// per year.
struct CashFlowTable {
    enum Row : int {
        HusbandAge = 0,
        WifeAge = 1,
        Child1Age = 2, // children 2..5 in rows 3..6
        BasicPension = 7,
        EmployeesPension = 8,
        MiddleAgedAddition = 9,
        TransitionalAddition = 10,
        WidowsPension = 11,
        DeathLumpSum = 12,
        WifeEarnings = 13,
        RetirementAllowance = 14,
        Savings = 15,
        IncomeTotal = 16,
        WifeLivingCost = 17,
        ChildrenLivingCost = 18,
        ChildUnder23 = 19,
        Education1 = 20, // children 2..5 in rows 21..24
        Support1 = 25,   // children 2..5 in rows 26..29
        Housing = 30,
        Funeral = 31,
        ExpenseTotal = 32,
        ExpenseLessIncome = 33,
        Count = 34,
    };
    static constexpr int kNameColumn = 0;
    // The ages head the table as the grid's fixed rows.
    static constexpr int kAgeRows = WifeAge + 1;
};

// "今後の収入と支出のグラフ" (FormChart3): yearly expenses against income until
// the wife is 64, with the sheet's items year by year in the chart's table.
struct IncomeExpenseOpening {
    Messages messages;
    std::optional<ChartFeed> chart;
    // CashFlowTable::Count rows: the item's name, a cell per year shown and
    // the grid's empty last column.
    std::vector<QStringList> table;
};
IncomeExpenseOpening ShowIncomeExpenseChart(const FrmhokenForm &form);

} // namespace izoku::engine
