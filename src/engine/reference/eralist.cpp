#include "eralist.h"

namespace izoku::engine {

namespace {

constexpr int kShowaOffset = 1925;  // Shōwa n is the Western year n + 1925
constexpr int kHeiseiOffset = 1988; // Heisei n is n + 1988

} // namespace

QStringList EraList()
{
    QStringList lines;
    for (int n = 19; n <= 63; ++n)
        lines << QStringLiteral("S%1   %2").arg(n).arg(n + kShowaOffset);
    for (int n = 1; n <= 30; ++n)
        lines << QStringLiteral("H%1   %2").arg(n).arg(n + kHeiseiOffset);
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
