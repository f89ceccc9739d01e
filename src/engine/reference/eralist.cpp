#include "eralist.h"

namespace izoku::engine {

namespace {

constexpr int kShowaOffset = 1925;  // Shōwa n is the Western year n + 1925
constexpr int kHeiseiOffset = 1988; // Heisei n is n + 1988
constexpr int kReiwaOffset = 2018;  // Reiwa n is n + 2018
constexpr int kLastHeiseiYear = 31;

} // namespace

QStringList EraList(int currentYear)
{
    QStringList lines;
    for (int n = 19; n <= 63; ++n)
        lines << QStringLiteral("S%1   %2").arg(n).arg(n + kShowaOffset);
    for (int n = 1; n <= kLastHeiseiYear && n + kHeiseiOffset <= currentYear; ++n)
        lines << QStringLiteral("H%1   %2").arg(n).arg(n + kHeiseiOffset);
    for (int n = 1; n + kReiwaOffset <= currentYear; ++n)
        lines << QStringLiteral("R%1   %2").arg(n).arg(n + kReiwaOffset);
    return lines;
}

int ShowaYear(int westernYear)
{
    return westernYear - kShowaOffset;
}

QString ShowaBirthBand(int showaYear)
{
    return QStringLiteral("昭和%1年4月2日 ～ 昭和%2年4月1日").arg(showaYear).arg(showaYear + 1);
}

} // namespace izoku::engine
