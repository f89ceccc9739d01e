#pragma once

namespace izoku::engine {

struct FrmhokenForm;

// The year-by-year projection of the bereaved household's income and
// expenses on the needs-analysis sheet.  The base calculation runs these in
// order; the survivors' pension rows 0..8 and the result slots are filled by
// the benefit determination between PrepareSheet and PlacePensions.
//
// The sums of yen over a year are kept in 32 bits, as the sheet always has;
// the steps that add return false when an amount is too large for that, and
// the caller stops with a message.

// Slot 53 (the horizon N) from the life-expectancy list by the wife's age;
// "0" for a wife aged 0, empty for an age the list has no entry for.
void LookUpHorizon(FrmhokenForm &form);

// The horizon N as the sheet uses it.
int Horizon(const FrmhokenForm &form);

// Horizon lookup, then a sheet of 50 rows and N + 2 columns with every year
// cell "0" and the labels written.
void PrepareSheet(FrmhokenForm &form);

// Rows 9..14: the survivors' benefits in the years of the wife's ages they
// are paid for, the death lump sum in year 0, and their yearly total.
[[nodiscard]] bool PlacePensions(FrmhokenForm &form);

// The shares of today's monthly living cost the household lives on after
// the death: the wife alone on half, and a further fifth while a child is
// 22 or younger.
inline constexpr double kWifeLivingCostShare = 0.5;
inline constexpr double kChildrenLivingCostShare = 0.2;

// Rows 15..18 and 20..34: earnings, the wife's own pension, living costs,
// education by school stage, support, housing and the one-off items; then
// TotalSheet.
[[nodiscard]] bool ProjectHousehold(FrmhokenForm &form);

// Rows 19 and 35..39: the yearly totals and what remains of income, expenses
// and shortfall from each year to the end of the horizon.
[[nodiscard]] bool TotalSheet(FrmhokenForm &form);

} // namespace izoku::engine
