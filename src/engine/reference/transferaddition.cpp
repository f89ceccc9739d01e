#include "transferaddition.h"

#include "eralist.h"

#include "engine/text/numbertext.h"

#include <array>

namespace izoku::engine {

namespace {

constexpr int kFirstShowaYear = 17;
// The statutory rates in thousandths of the spouse's addition, one per
// birth-year band from Shōwa 17; the last band (Shōwa 41 and later) gets none.
constexpr std::array<int, 25> kRatesPerMille{573, 547, 520, 493, 467, 440, 413, 387, 360, 333, 307, 280, 253,
                                             227, 200, 173, 147, 120, 93,  67,  67,  67,  67,  67,  0};

} // namespace

std::int32_t TransferAdditionAmount(int showaYear)
{
    const int index = showaYear - kFirstShowaYear;
    if (index < 0 || index >= static_cast<int>(kRatesPerMille.size()))
        return 0;
    const double amount = static_cast<double>(kSpouseAddition) * kRatesPerMille[static_cast<size_t>(index)] / 1000;
    return static_cast<std::int32_t>(IntFloor(amount / 100 + 0.5) * 100);
}

QStringList TransferAdditionList()
{
    QStringList lines{QStringLiteral("振替加算額（平成20年度価格）"),
                      QStringLiteral("大正15年4月2日からですが、昭和17年4月2日から表示しています。"),
                      QStringLiteral("生年月日 /  加算額")};
    const int last = kFirstShowaYear + static_cast<int>(kRatesPerMille.size()) - 1;
    for (int year = kFirstShowaYear; year < last; ++year) {
        lines << ShowaBirthBand(year) +
                     QStringLiteral("＝%1円").arg(FormatNumber(TransferAdditionAmount(year), NumberFormat::Grouped));
    }
    lines << QStringLiteral("昭和%1年4月2日 ～＝%2円").arg(last).arg(FormatNumber(0, NumberFormat::Grouped));
    return lines;
}

} // namespace izoku::engine
