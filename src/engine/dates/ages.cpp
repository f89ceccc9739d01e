#include "ages.h"

namespace izoku::engine {

std::optional<int> AgeAt(const std::optional<QDate> &birth, const std::optional<QDate> &reference)
{
    if (!birth || !reference || !birth->isValid() || !reference->isValid())
        return std::nullopt;
    const int years = reference->year() - birth->year();
    if (birth->month() == 1 && birth->day() == 1)
        return years;
    // The age rises on the day before the birthday: compare that day's
    // month and day with the reference date's.
    const QDate dayBefore = birth->addDays(-1);
    const int before = dayBefore.month() * 100 + dayBefore.day();
    const int ref = reference->month() * 100 + reference->day();
    return before > ref ? years - 1 : years;
}

std::optional<int> AgeToday(const std::optional<QDate> &birth, const QDate &today)
{
    return AgeAt(birth, today);
}

QDate ChildEntitlementEnd(const QDate &birth, bool disabled)
{
    if (disabled)
        return birth.addYears(20);
    const int endYear = birth.month() <= 3 ? birth.year() + 18 : birth.year() + 19;
    return QDate(endYear, 3, 31);
}

bool ChildEntitledNow(const QDate &birth, bool disabled, std::optional<int> ageToday, const QDate &today)
{
    if (disabled)
        return ageToday.value_or(0) < 20;
    return ChildEntitlementEnd(birth, false) >= today;
}

int MonthCount(const QDate &from, const QDate &to)
{
    return (to.year() - from.year()) * 12 + (to.month() - from.month());
}

qint64 DayCount(const QDate &from, const QDate &to)
{
    return from.daysTo(to);
}

qint64 DaysFrom1900(const QDate &date)
{
    return DayCount(QDate(1900, 1, 1), date);
}

bool InBirthBand(const QDate &birth, int startYear)
{
    return birth >= QDate(startYear, 4, 2) && birth <= QDate(startYear + 1, 4, 1);
}

bool BornBeforeEarliestBand(const QDate &birth)
{
    return birth < QDate(kEarliestBandYear, 4, 2);
}

} // namespace izoku::engine
