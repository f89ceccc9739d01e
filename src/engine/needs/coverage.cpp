#include "coverage.h"

#include "engine/needs/frmhokenform.h"
#include "engine/needs/projection.h"
#include "engine/needs/sheetsums.h"
#include "engine/text/numbertext.h"

namespace izoku::engine {

bool ComputeCoverageToReference(FrmhokenForm &form, double years)
{
    using Row = ProjectionSheet::Row;
    ProjectionSheet &sheet = form.sheet;
    const int last = Horizon(form) + 1;
    for (int column = 1; column <= last; ++column) {
        for (int row : {Row::ExpensesToReference, Row::IncomeToReference, Row::ShortfallToReference})
            sheet.setNumber(row, column, 0);
    }
    const auto y = ToInt16(years);
    if (!y)
        return false;
    const int referenceColumn = *y + 1;
    if (!FillRemaining(sheet, Row::IncomeTotal, Row::IncomeToReference, referenceColumn) ||
        !FillRemaining(sheet, Row::ExpenseTotal, Row::ExpensesToReference, referenceColumn))
        return false;
    FillDifference(sheet, Row::ShortfallToReference, Row::ExpensesToReference, Row::IncomeToReference, referenceColumn);
    return true;
}

} // namespace izoku::engine
