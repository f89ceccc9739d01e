#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

namespace izoku::engine {

// The needs-analysis screen's year-by-year table: one item per row, one year
// per column (column 0 the item labels, column c the year c - 1 years after
// the husband's death).  Cells hold numbers as the grid shows them; a number
// is kept typed and written out as plain decimal text only when the grid or
// a list asks for it, so that a whole projection stays cheap enough to rerun
// on every key the agent presses.
class ProjectionSheet {
  public:
    // Row numbers of the items; charts and the coverage read rows by number.
    enum Row : int {
        HusbandAge = 0,
        WifeAge = 1,
        Child1Age = 2, // children 2..5 in rows 3..6
        EntitledChildren = 7,
        BasicPension = 8,
        EmployeesPension = 9,
        MiddleAgedAddition = 10,
        TransitionalAddition = 11,
        WidowsPension = 12,
        DeathLumpSum = 13,
        PensionTotal = 14,
        RetirementAllowance = 15,
        Savings = 16,
        WifeEarnings = 17,
        WifeOwnPension = 18,
        WifeIncomeTotal = 19,
        WifeLivingCost = 20,
        ChildrenLivingCost = 21,
        ChildUnder23 = 22,
        Education1 = 23, // children 2..5 in rows 24..27
        Support1 = 28,   // children 2..5 in rows 29..32
        Housing = 33,
        Funeral = 34,
        ExpenseTotal = 35,
        IncomeTotal = 36,
        ExpensesToEnd = 37,
        IncomeToEnd = 38,
        ShortfallToEnd = 39,
        ExpensesToReference = 40,
        IncomeToReference = 41,
        ShortfallToReference = 42,
        TermPolicy1 = 43, // term policies 2, 3 in rows 44, 45
        WholeLife1 = 46,  // whole-life policy 2 in row 47
        InsuranceTotal = 48,
        Unused = 49,
    };
    static constexpr int kRows = 50;

    // The label of each row, as the grid shows it in column 0.
    static QString Label(int row);

    // Before the first base calculation the sheet has no cells at all.
    bool exists() const { return m_columns > 0; }
    int rowCount() const { return m_columns > 0 ? kRows : 0; }
    int columnCount() const { return m_columns; }
    // Year columns 1..yearColumns() hold the projection.
    int yearColumns() const { return m_columns > 0 ? m_columns - 1 : 0; }

    // 50 rows and yearColumns + 1 columns; every year cell "0", labels in
    // column 0.
    void reset(int yearColumns);
    void clear();

    bool contains(int row, int column) const;
    // A cell outside the sheet reads as empty text and as 0.
    QString text(int row, int column) const;
    bool isEmpty(int row, int column) const;
    // The leading number of the cell's text.
    double value(int row, int column) const;

    void setText(int row, int column, const QString &text);
    // Written as plain decimal text, integral values without a point.
    void setNumber(int row, int column, double value);

    QStringList rowTexts(int row) const;

  private:
    enum class Kind : std::uint8_t { Number, Text };
    struct Cell {
        double number = 0.0;
        QString text;
        Kind kind = Kind::Number;
    };

    Cell *cell(int row, int column);
    const Cell *cell(int row, int column) const;

    int m_columns = 0;
    std::vector<Cell> m_cells;
};

} // namespace izoku::engine
