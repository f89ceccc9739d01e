#include "basefigures.h"

#include "engine/text/numbertext.h"

namespace izoku::engine {

BaseFigureTexts BaseFigureTextsOf(const BaseData &data)
{
    BaseFigureTexts texts;
    for (int slot = 0; slot < kBaseFigureCount; ++slot) {
        if (const auto value = BaseFigureValue(data, kBaseFigures[slot]))
            texts[static_cast<size_t>(slot)] = PlainNumber(*value);
    }
    return texts;
}

std::optional<double> BaseFigureOfText(int slot, const QString &text)
{
    if (!EveryYearHas(kBaseFigures[slot]) && text.trimmed().isEmpty())
        return std::nullopt;
    return LeadingNumber(text);
}

bool CopyBaseFigures(const BaseFigureTexts &texts, BaseData &data)
{
    for (int slot = 0; slot < kBaseFigureCount; ++slot) {
        if (!SetBaseFigure(data, kBaseFigures[slot], BaseFigureOfText(slot, texts[static_cast<size_t>(slot)])))
            return false;
    }
    return true;
}

FiguresToStore ReadFiguresToStore(const BaseFigureTexts &texts)
{
    FiguresToStore result;
    for (int slot = 0; slot < kBaseFigureCount; ++slot)
        result.values[static_cast<size_t>(slot)] = BaseFigureOfText(slot, texts[static_cast<size_t>(slot)]);
    for (int slot = 0; slot < kBaseFigureCount; ++slot) {
        if (EveryYearHas(kBaseFigures[slot]) && result.values[static_cast<size_t>(slot)] == 0.0) {
            result.refusal = Warning(QStringLiteral("すべてにデータを入力して下さい"),
                                     QStringLiteral("データ入力エラー"), BaseFigureFieldName(0));
            return result;
        }
    }
    // A figure start-up would refuse (a year or an amount no fiscal year
    // could have) would leave every pension at zero on the next start;
    // refuse it here, where it was typed.
    BaseData check;
    for (int slot = 0; slot < kBaseFigureCount; ++slot) {
        if (!SetBaseFigure(check, kBaseFigures[slot], result.values[static_cast<size_t>(slot)])) {
            result.refusal = Warning(QStringLiteral("数値が範囲外です"), QStringLiteral("データ入力エラー"),
                                     BaseFigureFieldName(slot), true);
            return result;
        }
    }
    return result;
}

QString BaseFigureFieldName(int slot)
{
    return QStringLiteral("Num1(%1)").arg(slot);
}

Message StoreFailedMessage()
{
    return Warning(QStringLiteral("登録できませんでした。ndata.mdb を確認してください。"), QStringLiteral("エラー"));
}

} // namespace izoku::engine
