#pragma once

#include <QDate>
#include <QString>

namespace izoku::engine {

// A date as the customer's papers write it, in the Japanese era:
// "昭和61年5月1日", the first year of an era as "元年" ("令和元年5月1日").
// Empty for a missing date or one before Meiji.
QString JapaneseDate(const QDate &date);

// The same date by the Western calendar: "1986年5月1日".
QString WesternDate(const QDate &date);

} // namespace izoku::engine
