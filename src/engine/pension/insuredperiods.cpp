#include "insuredperiods.h"

#include "engine/dates/ages.h"
#include "engine/text/numbertext.h"

#include <cstdlib>

namespace izoku::engine {

namespace {

// The switch from monthly to total remuneration in April 2003.
const QDate kLastMonthOfMonthlyRemuneration(2003, 3, 31);
const QDate kFirstMonthOfTotalRemuneration(2003, 4, 1);

} // namespace

std::optional<int> MonthsTo2003(const QDate &entry)
{
    const int months = MonthCount(entry, kLastMonthOfMonthlyRemuneration);
    if (months < 0)
        return std::nullopt;
    return months;
}

int MonthsFrom2003(const QDate &end)
{
    return std::abs(MonthCount(kFirstMonthOfTotalRemuneration, end));
}

int NationalPensionMonths(const QDate &from, const QDate &to)
{
    return std::abs(MonthCount(from, to));
}

std::optional<int> FirstNonNumericField(std::span<const QString> texts)
{
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (!texts[i].isEmpty() && !IsNumeric(texts[i]))
            return static_cast<int>(i);
    }
    return std::nullopt;
}

bool AllFieldsZero(std::span<const QString> texts)
{
    for (const QString &text : texts) {
        if (LeadingNumber(text) != 0)
            return false;
    }
    return true;
}

} // namespace izoku::engine
