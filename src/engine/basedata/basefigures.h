#pragma once

#include "engine/basedata/basedata.h"
#include "engine/forms/message.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// The five base figures as the maintenance screen (基本データ登録) shows
// them: one text field each, Num1(0) to Num1(4).
namespace izoku::engine {

struct BaseFigure {
    enum Slot : int { FiscalYear = 0, SlideRate, BasicPensionAmount, ChildAddition1, ChildAddition2, Count };
};

using BaseFigureTexts = std::array<QString, BaseFigure::Count>;
using BaseFigureValues = std::array<double, BaseFigure::Count>;

// The columns of 基礎DATA, slot by slot: 年度, スライド率, 基礎年金, 加算1, 加算2.
const QStringList &BaseFigureColumns();

// Puts one figure into BaseData: 年度 rounded to 16 bits, the amounts to 32
// bits (halves to the even neighbour), the slide rate as it is.  A value
// that does not fit changes nothing and gives false.
bool SetBaseFigure(BaseData &data, int slot, double value);

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
