#include "needscharts.h"

#include "engine/charts/axismaximum.h"
#include "engine/charts/yearlychart.h"
#include "engine/needs/basecalculation.h"
#include "engine/needs/frmhokenform.h"
#include "engine/needs/sheetchart.h"
#include "engine/text/numbertext.h"

#include <algorithm>
#include <utility>

namespace izoku::engine {

namespace {

using Row = ProjectionSheet::Row;

// The income/expense chart's three-digit case steps by 2,000,000 yen.
constexpr std::int64_t kIncomeThreeDigitStep = 2000000;
// Both charts end the year before the widow's own old-age pension starts.
constexpr double kOldAgePensionAge = 65;

// Years shown: up to the wife's 64th year, and no further than the sheet
// goes.
int chartRows(const FrmhokenForm &form)
{
    const auto rows = ToInt16(kOldAgePensionAge - form.num1Value(HokenNum1::WifeAge));
    return std::clamp<int>(rows.value_or(0), 0, form.sheet.yearColumns());
}

QStringList rowTexts(const ProjectionSheet &sheet, int row, int columns)
{
    QStringList texts;
    for (int column = 1; column <= columns; ++column)
        texts << sheet.text(row, column);
    return texts;
}

// FormChart4's display fields: window field -> Num1 slot of this screen.
const std::pair<int, int> kPensionChartFields[] = {
    {0, HokenNum1::EmployeesPensionFrom}, {1, HokenNum1::EmployeesPensionTo},
    {2, HokenNum1::MiddleAgedFrom},       {3, HokenNum1::MiddleAgedTo},
    {14, HokenNum1::WidowsPensionFrom},   {15, HokenNum1::WidowsPensionTo},
    {16, HokenNum1::TransitionalFrom},    {17, HokenNum1::TransitionalTo},
    {18, HokenNum1::LumpSumAge},          {19, HokenNum1::EmployeesPensionAmount},
    {20, HokenNum1::MiddleAgedAmount},    {26, HokenNum1::WidowsPensionAmount},
    {27, HokenNum1::TransitionalAmount},  {28, HokenNum1::LumpSumAmount},
};

// FormChart3's table: sheet row -> table row, in the order they are copied.
const std::pair<int, int> kIncomeTableRows[] = {
    {0, 0},   {1, 1},   {2, 2},   {3, 3},   {4, 4},   {5, 5},   {6, 6},   {8, 7},   {9, 8},   {10, 9},  {11, 10},
    {12, 11}, {13, 12}, {17, 13}, {15, 14}, {16, 15}, {36, 16}, {20, 17}, {21, 18}, {22, 19}, {23, 20}, {24, 21},
    {25, 22}, {26, 23}, {27, 24}, {28, 25}, {29, 26}, {30, 27}, {31, 28}, {32, 29}, {33, 30}, {34, 31}, {35, 32},
};
constexpr int kIncomeTableRowCount = 34;

} // namespace

ChartOpening ShowPensionChart(const FrmhokenForm &form)
{
    ChartOpening opening;
    if (form.sheet.isEmpty(Row::PensionTotal, 1)) {
        opening.messages.push_back(NoBaseCalculationMessage());
        return opening;
    }
    const int rows = chartRows(form);
    const QStringList ages = rowTexts(form.sheet, Row::WifeAge, rows);
    const QStringList totals = rowTexts(form.sheet, Row::PensionTotal, rows);
    ChartFeed feed = YearlyTotalsChart(form.num1Value(HokenNum1::WifeAge), ages, totals);
    feed.name = form.household.members[HouseholdIndex::Husband].name;
    const std::int64_t largest = LargestYearlyAmount(totals);
    feed.axisMaximum = ChartAxisMaximum(FirstDigitAxisMaximum(largest, 200), static_cast<double>(largest));
    for (const auto &[field, slot] : kPensionChartFields)
        feed.fields.insert(field, form.num1(slot));
    for (int p = 0; p < 2 * HokenNum1::kPhases; ++p)
        feed.fields.insert(4 + p, form.num1(HokenNum1::BasicPhase1From + p));
    for (int p = 0; p < HokenNum1::kPhases; ++p)
        feed.fields.insert(21 + p, form.num1(HokenNum1::BasicPhase1Amount + p));
    for (int i = 0; i <= HokenNum1::AverageRemuneration - HokenNum1::NationalMonths; ++i)
        feed.fields.insert(29 + i, form.num1(HokenNum1::NationalMonths + i));
    opening.chart = feed;
    return opening;
}

IncomeExpenseOpening ShowIncomeExpenseChart(const FrmhokenForm &form)
{
    IncomeExpenseOpening opening;
    const ProjectionSheet &sheet = form.sheet;
    if (sheet.isEmpty(Row::ExpenseTotal, 1)) {
        opening.messages.push_back(NoBaseCalculationMessage());
        return opening;
    }
    const int rows = chartRows(form);
    const QStringList expenses = rowTexts(sheet, Row::ExpenseTotal, rows);
    const QStringList income = rowTexts(sheet, Row::IncomeTotal, rows);
    const double largest = static_cast<double>(std::max(LargestYearlyAmount(expenses), LargestYearlyAmount(income)));
    ChartFeed feed = SheetRowsChart(form, rows, Row::ExpenseTotal, Row::IncomeTotal);
    feed.axisMaximum = ChartAxisMaximum(
        DigitRuleAxisMaximum(static_cast<std::int64_t>(largest), kIncomeThreeDigitStep, true), largest);
    opening.chart = feed;

    std::vector<QStringList> &table = opening.table;
    table.assign(kIncomeTableRowCount, QStringList());
    for (QStringList &row : table) {
        for (int column = 0; column < rows + 2; ++column)
            row << QString();
    }
    for (int column = 0; column <= rows; ++column)
        table[0][column] = QStringLiteral("0");
    for (int column = 1; column <= rows; ++column) {
        table[0][column] = sheet.text(Row::HusbandAge, column);
        table[1][column] = sheet.text(Row::WifeAge, column);
    }
    for (int column = 0; column <= rows; ++column) {
        if (column > 0 && LeadingNumber(table[1][column]) > 64)
            continue;
        for (const auto &[sheetRow, tableRow] : kIncomeTableRows)
            table[static_cast<size_t>(tableRow)][column] = sheet.text(sheetRow, column);
    }
    table[16][0] = QStringLiteral("収入合計");
    table[32][0] = QStringLiteral("支出合計");
    table[33][0] = QStringLiteral("支出-収入");
    for (int column = 1; column <= rows; ++column) {
        if (LeadingNumber(table[1][column]) < kOldAgePensionAge)
            table[33][column] =
                PlainNumber(sheet.value(Row::ExpenseTotal, column) - sheet.value(Row::IncomeTotal, column));
    }
    return opening;
}

} // namespace izoku::engine
