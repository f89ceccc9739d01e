#pragma once

#include <QDate>

#include <optional>

// Ages and the dates that pension law keys its rules to.  "Today" is always
// passed in: nothing here reads the clock.
namespace izoku::engine {

// Whole years on the reference date.  Under the age-counting law a person
// reaches a new age on the day before the birthday; someone born on 1 January
// simply has the difference of calendar years.  Empty if either date is
// missing.
std::optional<int> AgeAt(const std::optional<QDate> &birth, const std::optional<QDate> &reference);

// AgeAt with today's date as the reference.
std::optional<int> AgeToday(const std::optional<QDate> &birth, const QDate &today);

// The day a child stops counting for the survivors' basic pension: a child
// with a grade 1 or 2 disability until its 20th birthday, any other child
// until 31 March after it turns 18 (children born from 1 April on take the
// later year).
QDate ChildEntitlementEnd(const QDate &birth, bool disabled);

// Whether a present child still counts today.
bool ChildEntitledNow(const QDate &birth, bool disabled, std::optional<int> ageToday, const QDate &today);

// Calendar-month boundaries crossed between two dates; the days are ignored.
int MonthCount(const QDate &from, const QDate &to);

// Signed difference in days.
qint64 DayCount(const QDate &from, const QDate &to);

// Days from 1900-01-01, the measure the birth-date bands are tested on.
qint64 DaysFrom1900(const QDate &date);

// A birth-date band of pension law: from 2 April of startYear to 1 April of
// the next year, both ends inclusive.
bool InBirthBand(const QDate &birth, int startYear);

// The first band start year any rule knows: a husband born before
// 1943-04-02 is outside every band.
inline constexpr int kEarliestBandYear = 1943;
bool BornBeforeEarliestBand(const QDate &birth);

} // namespace izoku::engine
