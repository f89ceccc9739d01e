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
