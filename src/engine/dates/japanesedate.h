#pragma once

#include <QDate>
#include <QString>

namespace izoku::engine {

// A date as the customer's papers write it, in the Japanese era:
// "昭和61年5月1日", the first year of an era as "元年" ("令和元年5月1日").
// Empty for a missing date or one before Meiji.
QString JapaneseDate(const QDate &date);

// A fiscal year (April to March) by the era it is known by: "令和8年度" for
// fiscal 2026, "令和元年度" for fiscal 2019.
QString JapaneseFiscalYear(int fiscalYear);

// The same date by the Western calendar: "1986年5月1日".
QString WesternDate(const QDate &date);

} // namespace izoku::engine
