#pragma once

#include "engine/basedata/basedata.h"

#include <QStringList>

#include <cstdint>

namespace izoku::engine {

// 振替加算: when the wife of an employee reaches 65, the spouse's addition of
// her husband's pension moves to her own old-age basic pension, reduced by
// her birth year because younger wives have had longer to earn a basic
// pension of their own.  The base is the spouse's 加給年金, which the law
// sets equal to the addition for each of the first two children.
inline constexpr std::int32_t kSpouseAddition = 227900; // 平成20年度

// The yearly transfer addition of a wife born in the band from 2 April of
// Shōwa `showaYear` to 1 April of the next year, rounded half up to 100 yen;
// 0 from Shōwa 41 on.  Bands before Shōwa 17 are not carried.
std::int32_t TransferAdditionAmount(int showaYear);

// The list the agent reads on the 振替加算 tab: three header lines, then one
// line per birth-year band from Shōwa 17 to the last band with no addition.
QStringList TransferAdditionList();

} // namespace izoku::engine
