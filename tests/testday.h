#pragma once

// The day every test computes on, so that no figure depends on the day the
// suite runs.
#include <QDate>
#include <QDateTime>

namespace izoku::test {

inline const QDate kToday(2026, 12, 8);

// A program clock that always shows 10:00 on kToday.
inline QDateTime FixedClock()
{
    return QDateTime(kToday, QTime(10, 0));
}

} // namespace izoku::test
