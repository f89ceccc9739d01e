#pragma once

#include "formulapanels.h"

#include "engine/forms/message.h"

#include <QDate>
#include <QString>

#include <span>

// The four formula panels as the survivors' pension screen shows them: the
// inputs copied from the pension fields, the rates, the parts and the amount
// of each, in the screen's Num3 labels.
namespace izoku::engine {

// Where one panel keeps its figures; -1 where it has no such label.
struct FormulaPanelSlots {
    int monthlyRemuneration;
    int rate1;
    int monthsTo2003;
    int remuneration;
    int rate2;
    int monthsFrom2003;
    int slideRate;
    int cappedMonths;
    int partA;
    int partB;
    int amount;
};

const FormulaPanelSlots &PanelSlots(FormulaPanel panel);

// Copies the pension fields into every panel, writes the husband's
// long-requirement rates and the capped months.  Today the old-formula
// panels revalue by the year's 従前額改定率 instead of the slide rate typed
// (the decision has refused a year without one).  A husband born before the
// earliest band gets the message and the long rates stay as they were.
// False when the employees' months are beyond any whole number.
bool SetPanelInputs(std::span<QString> num3, std::span<const QString> text6, const QDate &husbandBirth,
                    const PensionLaw &law, Messages &messages);

// Parts A and B and the amount of every panel from its own labels, rounded
// as the law rounds; a step that fails keeps its label and the rest go on.
void ComputePanelSlots(std::span<QString> num3, const PensionLaw &law);

} // namespace izoku::engine
