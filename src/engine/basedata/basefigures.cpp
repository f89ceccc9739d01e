#include "basefigures.h"

#include "engine/text/numbertext.h"

#include <cmath>

namespace izoku::engine {

namespace {

QString fieldName(int slot)
{
    return QStringLiteral("Num1(%1)").arg(slot);
}

} // namespace

const QStringList &BaseFigureColumns()
{
    static const QStringList columns = {QStringLiteral("年度"), QStringLiteral("スライド率"),
                                        QStringLiteral("基礎年金"), QStringLiteral("加算1"), QStringLiteral("加算2")};
    return columns;
}

bool SetBaseFigure(BaseData &data, int slot, double value)
{
    switch (slot) {
    case BaseFigure::FiscalYear:
        if (const auto year = ToInt16(value)) {
            data.FiscalYear = *year;
            return true;
        }
        return false;
    case BaseFigure::SlideRate:
        if (!std::isfinite(value))
            return false;
        data.SlideRate = value;
        return true;
    case BaseFigure::BasicPensionAmount:
    case BaseFigure::ChildAddition1:
    case BaseFigure::ChildAddition2: {
        std::int32_t *const amounts[] = {&data.BasicPensionAmount, &data.ChildAddition1, &data.ChildAddition2};
        if (const auto amount = ToInt32(value)) {
            *amounts[slot - BaseFigure::BasicPensionAmount] = *amount;
            return true;
        }
        return false;
    }
    default:
        return false;
    }
}

bool CopyBaseFigures(const BaseFigureTexts &texts, BaseData &data)
{
    for (int slot = 0; slot < BaseFigure::Count; ++slot) {
        if (!SetBaseFigure(data, slot, LeadingNumber(texts[static_cast<size_t>(slot)])))
            return false;
    }
    return true;
}

FiguresToStore ReadFiguresToStore(const BaseFigureTexts &texts)
{
    FiguresToStore result;
    for (int slot = 0; slot < BaseFigure::Count; ++slot)
        result.values[static_cast<size_t>(slot)] = LeadingNumber(texts[static_cast<size_t>(slot)]);
    for (double value : result.values) {
        if (value == 0.0) {
            result.refusal = Warning(QStringLiteral("すべてにデータを入力して下さい"),
                                     QStringLiteral("データ入力エラー"), fieldName(BaseFigure::FiscalYear));
            return result;
        }
    }
    // A year or an amount too large for start-up to read would leave every
    // pension at zero on the next start; refuse it here, where it was typed.
    BaseData check;
    for (int slot = 0; slot < BaseFigure::Count; ++slot) {
        if (!SetBaseFigure(check, slot, result.values[static_cast<size_t>(slot)])) {
            result.refusal = Warning(QStringLiteral("数値が大きすぎます"), QStringLiteral("データ入力エラー"),
                                     fieldName(slot), true);
            return result;
        }
    }
    return result;
}

Message StoreFailedMessage()
{
    return Warning(QStringLiteral("登録できませんでした。ndata.mdb を確認してください。"), QStringLiteral("エラー"));
}

} // namespace izoku::engine
