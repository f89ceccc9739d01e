#pragma once

#include "engine/basedata/basedata.h"
#include "engine/forms/message.h"

#include <QString>

#include <array>
#include <iterator>
#include <optional>

// The seven base figures as the maintenance screen (基本データ登録) shows
// them: one text field each, Num1(0) to Num1(6).
namespace izoku::engine {

// Num1(slot) shows kBaseFigures[slot].
inline constexpr int kBaseFigureCount = static_cast<int>(std::size(kBaseFigures));

using BaseFigureTexts = std::array<QString, kBaseFigureCount>;
// No value for one of today's two figures left empty.
using BaseFigureValues = std::array<std::optional<double>, kBaseFigureCount>;

// The figures of `data` as the fields show them, plain numbers ("0.985");
// a figure the row lacks is empty.
BaseFigureTexts BaseFigureTextsOf(const BaseData &data);

// What one text gives for the figure of `slot`: the number at its start, or
// no value for one of today's two figures left empty.
std::optional<double> BaseFigureOfText(int slot, const QString &text);

// Opening the screen copies what it shows into BaseData, figure by figure;
// the first that does not fit stops the copy, leaving it and the later ones
// as they were.  Returns whether all seven were copied.
bool CopyBaseFigures(const BaseFigureTexts &texts, BaseData &data);

// 変更登録 after Yes: the figures to store, or the refusal to show.  One
// of the five every year has that reads as 0 is refused
// ("すべてにデータを入力して下さい"), and so is any figure start-up could
// not read back into BaseData.  Today's two may be left empty.
struct FiguresToStore {
    BaseFigureValues values{};
    std::optional<Message> refusal;
};
FiguresToStore ReadFiguresToStore(const BaseFigureTexts &texts);

// The field of Num1(slot), for a message's focus: "Num1(0)".
QString BaseFigureFieldName(int slot);

// A store that did not reach the disk says so; the figures typed stay.
Message StoreFailedMessage();

} // namespace izoku::engine
