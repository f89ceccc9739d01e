#include "japanesedate.h"

#include <array>

namespace izoku::engine {

namespace {

struct Era {
    const char16_t *name;
    QDate first;
};

// Latest first: a date belongs to the first era it is not before.
const std::array<Era, 5> &eras()
{
    static const std::array<Era, 5> table{{{u"令和", QDate(2019, 5, 1)},
                                           {u"平成", QDate(1989, 1, 8)},
                                           {u"昭和", QDate(1926, 12, 25)},
                                           {u"大正", QDate(1912, 7, 30)},
                                           {u"明治", QDate(1868, 1, 25)}}};
    return table;
}

QString eraYear(int year)
{
    return year == 1 ? QStringLiteral("元") : QString::number(year);
}

} // namespace

QString JapaneseDate(const QDate &date)
{
    if (!date.isValid())
        return {};
    for (const Era &era : eras()) {
        if (date < era.first)
            continue;
        return QStringLiteral("%1%2年%3月%4日")
            .arg(QString::fromUtf16(era.name), eraYear(date.year() - era.first.year() + 1))
            .arg(date.month())
            .arg(date.day());
    }
    return {};
}

QString JapaneseFiscalYear(int fiscalYear)
{
    // A fiscal year is named by the newest era that began in or before its
    // calendar year: fiscal 2019 is 令和元年度 although its April was Heisei.
    for (const Era &era : eras()) {
        if (fiscalYear < era.first.year())
            continue;
        return QStringLiteral("%1%2年度").arg(QString::fromUtf16(era.name), eraYear(fiscalYear - era.first.year() + 1));
    }
    return QStringLiteral("%1年度").arg(fiscalYear);
}

QString WesternDate(const QDate &date)
{
    if (!date.isValid())
        return {};
    return QStringLiteral("%1年%2月%3日").arg(date.year()).arg(date.month()).arg(date.day());
}

} // namespace izoku::engine
