#pragma once

#include <QDate>
#include <QString>

#include <optional>
#include <span>

// The husband's insured periods: the month calculators that fill the period
// fields from dates, and the check of the six pension fields.
namespace izoku::engine {

// Months of employees' pension up to March 2003, from the date he joined;
// no value when he joined after March 2003.
std::optional<int> MonthsTo2003(const QDate &entry);

// Months from April 2003 to the end date (counted either way).
int MonthsFrom2003(const QDate &end);

// Months between the two ends of a national pension period (either order).
int NationalPensionMonths(const QDate &from, const QDate &to);

// The first field whose text is neither empty nor a number, if any.
std::optional<int> FirstNonNumericField(std::span<const QString> texts);

// Whether every field reads as 0.
bool AllFieldsZero(std::span<const QString> texts);

} // namespace izoku::engine
