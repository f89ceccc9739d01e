#pragma once

#include "survivorsbasicpension.h"

#include "engine/forms/household.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

// The year-by-year schedule of the survivors' pension screen: one row per
// item, one column per year from the husband's death (this year) to the
// wife's 67th year; column 0 holds the row titles.  Cells are plain number
// texts.
namespace izoku::engine {

struct ScheduleRow {
    enum : int {
        WifeAge = 1,          // 妻年齢
        Child1Age = 2,        // 子1年齢, then 子2 … 子5 in rows 3 to 6
        Children = 7,         // 子人数: children that count that year
        BasicPension = 8,     // 遺族基礎
        EmployeesPension = 9, // 遺族厚生
        MiddleAged = 10,      // 中高齢
        Transitional = 11,    // 経過的
        WidowsPension = 12,   // 寡婦年金
        LumpSum = 13,         // 一時金
        Total = 14,           // 合計
        Last = 15,
        Count = 16,
    };
};

// The years S the schedule covers for a wife of this age: the years until
// she is 65, plus two (below 0 past 67, while the grid still has its column
// of row titles); no value if the age is beyond any schedule.
std::optional<int> ScheduleYears(double wifeAge);

// The yearly figures of the survivors' basic pension.
struct BasicPensionFigures {
    std::int64_t basicAmount = 0;
    std::int64_t childAddition1 = 0;
    std::int64_t childAddition2 = 0;
};

class PensionSchedule {
  public:
    int rows() const { return m_rows; }
    int columns() const { return m_columns; }
    // Year columns run from 1 to S + 1; three more stay empty after them.
    int lastYearColumn() const { return m_columns - 4; }

    // An empty schedule of S years with its row titles.
    void Reset(int years);

    // A cell outside the grid reads as empty text.
    QString cell(int row, int column) const;
    void setCell(int row, int column, const QString &text);
    double number(int row, int column) const;
    std::vector<QString> rowTexts(int row) const;

    // Rows 1 to 8: the wife's and the present children's ages, the children
    // that count and the survivors' basic pension of every year.  Returns
    // rows 1, 7 and 8 as figures, one entry per year column.
    std::vector<BasicPensionYear> FillHouseholdRows(double wifeAge, std::span<const HouseholdChild> children,
                                                    const BasicPensionFigures &figures);

    // Rows 9 to 15 from the thirty result slots, and the yearly totals, for
    // the years FillHouseholdRows wrote.  A total beyond 32 bits stops the
    // filling there: false.
    bool FillBenefitRows(std::span<const QString> results, std::span<const BasicPensionYear> years);

    bool operator==(const PensionSchedule &) const = default;

  private:
    int m_rows = 0;
    int m_columns = 0;
    std::vector<QString> m_cells;
};

} // namespace izoku::engine
