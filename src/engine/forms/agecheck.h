#pragma once

#include "household.h"
#include "message.h"

#include <QString>

#include <optional>

// Ages that no schedule can be built from.  An empty or non-numeric age
// reads as 0 and a negative one widens the schedule without limit, so both
// calculation screens stop on them instead of computing a household that
// does not exist.
namespace izoku::engine {

// Both calculation screens cover widows who are still under 60 at the
// husband's death: older widows have pensions of their own in payment, which
// neither screen models.
inline constexpr double kOldestWifeAge = 59;

// "妻の年齢が60歳未満の場合のみ対応しています。" when the wife's age (the field
// read as a number) is above kOldestWifeAge.
std::optional<Message> CheckWifeAgeLimit(double wifeAge);

// Whose age counts: the needs analysis also places the husband's policies
// by his age; the survivors' pension screen looks at the survivors only.
enum class AgesChecked { Survivors, HusbandAndSurvivors };

// The first person, in row order (夫 when checked, 妻, then each child whose
// 対象 box is ticked), whose age is not a number or is below 0.
std::optional<int> FirstUncomputableAge(const Household &household, AgesChecked checked);

// "{役割}の年齢を入力して下さい" for person `index`, focus on `field` with its
// text selected.
Message AgeMissingMessage(int index, const QString &field);

} // namespace izoku::engine
