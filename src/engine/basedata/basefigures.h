#pragma once

#include "engine/basedata/basedata.h"
#include "engine/forms/message.h"

#include <QString>

#include <array>
#include <iterator>
#include <optional>

// The five base figures as the maintenance screen (基本データ登録) shows
// them: one text field each, Num1(0) to Num1(4).
namespace izoku::engine {

// Num1(slot) shows kBaseFigures[slot].
inline constexpr int kBaseFigureCount = static_cast<int>(std::size(kBaseFigures));

using BaseFigureTexts = std::array<QString, kBaseFigureCount>;
using BaseFigureValues = std::array<double, kBaseFigureCount>;

// The figures of `data` as the fields show them, plain numbers ("0.985").
BaseFigureTexts BaseFigureTextsOf(const BaseData &data);

// Opening the screen copies what it shows into BaseData, figure by figure;
// the first that does not fit stops the copy, leaving it and the later ones
// as they were.  Returns whether all five were copied.
bool CopyBaseFigures(const BaseFigureTexts &texts, BaseData &data);

// 変更登録 after Yes: the five figures to store, or the refusal to show.
// A figure that reads as 0 is refused ("すべてにデータを入力して下さい"),
// and so is one start-up could not read back into BaseData.
struct FiguresToStore {
    BaseFigureValues values{};
    std::optional<Message> refusal;
};
FiguresToStore ReadFiguresToStore(const BaseFigureTexts &texts);

// A store that did not reach the disk says so; the figures typed stay.
Message StoreFailedMessage();

} // namespace izoku::engine
