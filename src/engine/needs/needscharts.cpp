#include "needscharts.h"

#include "engine/charts/axismaximum.h"
#include "engine/charts/yearlychart.h"
#include "engine/needs/basecalculation.h"
#include "engine/needs/frmhokenform.h"
#include "engine/needs/sheetchart.h"
#include "engine/pension/widowbenefits.h"
#include "engine/text/numbertext.h"

#include <algorithm>

namespace izoku::engine {

namespace {

using Row = ProjectionSheet::Row;
using Field = NeedsPensionChartField;
using Table = CashFlowTable;

// The needs screen's pension chart runs its axis two hundred 万円 above the
// first digit.
constexpr int kPensionAxisOffset = 200;
// The income/expense chart's three-digit case steps by 2,000,000 yen.
constexpr std::int64_t kIncomeThreeDigitStep = 2000000;
// Both charts end the year before the widow's own old-age pension starts.
constexpr double kLastAgeShown = kOldAgePensionAge - 1;
// Beside the years, the item table has the items' names in front and one
// empty column after the last year.
constexpr int kColumnsBesideYears = 2;

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

// A window field and the Num1 slot of this screen it shows.
struct CopiedField {
    int field;
    int slot;
};

// FormChart4's fields, but for the phases of the survivors' basic pension.
constexpr CopiedField kPensionChartFields[] = {
    {Field::EmployeesPensionFrom, HokenNum1::EmployeesPensionFrom},
    {Field::EmployeesPensionTo, HokenNum1::EmployeesPensionTo},
    {Field::MiddleAgedFrom, HokenNum1::MiddleAgedFrom},
    {Field::MiddleAgedTo, HokenNum1::MiddleAgedTo},
    {Field::WidowsPensionFrom, HokenNum1::WidowsPensionFrom},
    {Field::WidowsPensionTo, HokenNum1::WidowsPensionTo},
    {Field::TransitionalFrom, HokenNum1::TransitionalFrom},
    {Field::TransitionalTo, HokenNum1::TransitionalTo},
    {Field::LumpSumAge, HokenNum1::LumpSumAge},
    {Field::EmployeesPensionAmount, HokenNum1::EmployeesPensionAmount},
    {Field::MiddleAgedAmount, HokenNum1::MiddleAgedAmount},
    {Field::WidowsPensionAmount, HokenNum1::WidowsPensionAmount},
    {Field::TransitionalAmount, HokenNum1::TransitionalAmount},
    {Field::LumpSumAmount, HokenNum1::LumpSumAmount},
    {Field::NationalMonths, HokenNum1::NationalMonths},
    {Field::EmployeeMonthsTo2003, HokenNum1::EmployeeMonthsTo2003},
    {Field::AverageMonthlyRemuneration, HokenNum1::AverageMonthlyRemuneration},
    {Field::EmployeeMonthsFrom2003, HokenNum1::EmployeeMonthsFrom2003},
    {Field::AverageRemuneration, HokenNum1::AverageRemuneration},
};

// A sheet row and the row of FormChart3's table that shows it.
struct CopiedRow {
    int sheetRow;
    int tableRow;
};

constexpr CopiedRow kIncomeTableRows[] = {
    {Row::BasicPension, Table::BasicPension},
    {Row::EmployeesPension, Table::EmployeesPension},
    {Row::MiddleAgedAddition, Table::MiddleAgedAddition},
    {Row::TransitionalAddition, Table::TransitionalAddition},
    {Row::WidowsPension, Table::WidowsPension},
    {Row::DeathLumpSum, Table::DeathLumpSum},
    {Row::WifeEarnings, Table::WifeEarnings},
    {Row::RetirementAllowance, Table::RetirementAllowance},
    {Row::Savings, Table::Savings},
    {Row::IncomeTotal, Table::IncomeTotal},
    {Row::WifeLivingCost, Table::WifeLivingCost},
    {Row::ChildrenLivingCost, Table::ChildrenLivingCost},
    {Row::ChildUnder23, Table::ChildUnder23},
    {Row::Housing, Table::Housing},
    {Row::Funeral, Table::Funeral},
    {Row::ExpenseTotal, Table::ExpenseTotal},
};

// The rows the sheet and the table both give child by child, from the
// first child's.
constexpr CopiedRow kIncomeTableChildRows[] = {
    {Row::Child1Age, Table::Child1Age},
    {Row::Education1, Table::Education1},
    {Row::Support1, Table::Support1},
};

// One column of the table from the same column of the sheet: the ages
// always, the items only in the years up to the wife's 64th (column 0,
// the names, always).
void copyTableColumn(const ProjectionSheet &sheet, int column, std::vector<QStringList> &table)
{
    auto copy = [&](int sheetRow, int tableRow) {
        table[static_cast<size_t>(tableRow)][column] = sheet.text(sheetRow, column);
    };
    copy(Row::HusbandAge, Table::HusbandAge);
    copy(Row::WifeAge, Table::WifeAge);
    if (column != Table::kNameColumn && LeadingNumber(sheet.text(Row::WifeAge, column)) > kLastAgeShown)
        return;
    for (const auto &[sheetRow, tableRow] : kIncomeTableRows)
        copy(sheetRow, tableRow);
    for (const auto &[sheetRow, tableRow] : kIncomeTableChildRows) {
        for (int child = 0; child < HokenNum1::kChildren; ++child)
            copy(sheetRow + child, tableRow + child);
    }
}

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
    feed.axisMaximum =
        ChartAxisMaximum(FirstDigitAxisMaximum(largest, kPensionAxisOffset), static_cast<double>(largest));
    for (const auto &[field, slot] : kPensionChartFields)
        feed.fields.insert(field, form.num1(slot));
    for (int p = 0; p < HokenNum1::kPhases; ++p) {
        feed.fields.insert(Field::PhaseFrom(p), form.num1(HokenNum1::BasicPhase1From + 2 * p));
        feed.fields.insert(Field::PhaseTo(p), form.num1(HokenNum1::BasicPhase1To + 2 * p));
        feed.fields.insert(Field::PhaseAmount(p), form.num1(HokenNum1::BasicPhase1Amount + p));
    }
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
    table.assign(Table::Count, QStringList());
    for (QStringList &row : table) {
        for (int column = 0; column < rows + kColumnsBesideYears; ++column)
            row << QString();
    }
    for (int column = Table::kNameColumn; column <= rows; ++column)
        copyTableColumn(sheet, column, table);
    table[Table::IncomeTotal][Table::kNameColumn] = QStringLiteral("収入合計");
    table[Table::ExpenseTotal][Table::kNameColumn] = QStringLiteral("支出合計");
    table[Table::ExpenseLessIncome][Table::kNameColumn] = QStringLiteral("支出-収入");
    for (int column = 1; column <= rows; ++column) {
        if (LeadingNumber(table[Table::WifeAge][column]) < kOldAgePensionAge)
            table[Table::ExpenseLessIncome][column] =
                PlainNumber(sheet.value(Row::ExpenseTotal, column) - sheet.value(Row::IncomeTotal, column));
    }
    return opening;
}

} // namespace izoku::engine
