#pragma once

namespace izoku::engine {

struct FrmhokenForm;

// The necessary coverage (必要補償額) from each year to the reference year,
// `years` after the death: what is left of expenses (row 40) and income
// (row 41) from that year to the reference year, and their difference
// (row 42).  A plain sum of yen, without interest, cap or floor; the one-off
// items of year 0 stay out of it.  Row 42 of column 1 is the figure the
// agent sells on.  False when a sum is too large for 32 bits.
[[nodiscard]] bool ComputeCoverageToReference(FrmhokenForm &form, double years);

} // namespace izoku::engine
