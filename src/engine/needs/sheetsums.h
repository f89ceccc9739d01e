#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>

namespace izoku::engine {

class ProjectionSheet;

// Yen over a sheet row or year are added in 32 bits, each cell first rounded
// to a whole yen (halves to even).  No value means the sum does not fit.
std::optional<std::int32_t> SumCells(const ProjectionSheet &sheet, int column, std::initializer_list<int> rows);

// What is left of a yearly row from each year to the last: `target` of
// column 1 is the sum of `source` over columns 1..lastColumn, and each later
// column has the year before taken off.  False when the sum does not fit.
[[nodiscard]] bool FillRemaining(ProjectionSheet &sheet, int source, int target, int lastColumn);

// `target` = `minuend` - `subtrahend` in columns 1..lastColumn.
void FillDifference(ProjectionSheet &sheet, int target, int minuend, int subtrahend, int lastColumn);

} // namespace izoku::engine
