#include "sheetsums.h"

#include "engine/needs/projectionsheet.h"
#include "engine/text/numbertext.h"

namespace izoku::engine {

std::optional<std::int32_t> SumCells(const ProjectionSheet &sheet, int column, std::initializer_list<int> rows)
{
    std::int32_t sum = 0;
    for (int row : rows) {
        const auto yen = ToInt32(sheet.value(row, column));
        if (!yen)
            return std::nullopt;
        const auto next = AddInt32(sum, *yen);
        if (!next)
            return std::nullopt;
        sum = *next;
    }
    return sum;
}

bool FillRemaining(ProjectionSheet &sheet, int source, int target, int lastColumn)
{
    std::int32_t total = 0;
    for (int column = 1; column <= lastColumn; ++column) {
        const auto yen = ToInt32(sheet.value(source, column));
        const auto next = yen ? AddInt32(total, *yen) : std::nullopt;
        if (!next)
            return false;
        total = *next;
    }
    sheet.setNumber(target, 1, total);
    for (int column = 1; column < lastColumn; ++column) {
        const auto left = ToInt32(sheet.value(target, column));
        if (!left)
            return false;
        sheet.setNumber(target, column + 1, *left - sheet.value(source, column));
    }
    return true;
}

void FillDifference(ProjectionSheet &sheet, int target, int minuend, int subtrahend, int lastColumn)
{
    for (int column = 1; column <= lastColumn; ++column)
        sheet.setNumber(target, column, sheet.value(minuend, column) - sheet.value(subtrahend, column));
}

} // namespace izoku::engine
