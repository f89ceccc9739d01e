#pragma once

#include "engine/forms/message.h"
#include "engine/pension/formulapanels.h"

#include <QDate>
#include <QString>

#include <array>
#include <optional>

// The calculation-process panel (遺族厚生年金計算シート, Num3): the four
// formulas of the survivors' employees' pension with every input, rate and
// partial amount shown, so the agent can walk the customer through the
// figure.  The panel computes from what it shows: a rate left in place
// (a husband born before the first band) is the rate the amount uses.
namespace izoku::engine {

using PanelTexts = std::array<QString, 43>;

// The Num3 slots of one panel, in the order avg. monthly remuneration,
// rate 1, months to 2003-03, avg. remuneration, rate 2, months from 2003-04,
// slide rate, capped months (-1 where the panel has none), part A, part B,
// amount.
using PanelSlots = std::array<int, 11>;
const PanelSlots &SlotsOf(FormulaPanel panel);

// The panel's amount slot: short, new is what an employee's widow gets;
// long, new what a self-employed husband's widow can choose.
int AmountSlot(FormulaPanel panel);

// The panel as the screen first shows it: the standard rates, the slide
// rate "0.985", every other figure "0".
PanelTexts OpeningPanelTexts();

// Every figure back to "0"; the rates stay.
void ClearPanelFigures(PanelTexts &panel);

// The pension record's field texts as the panel copies them.
struct PanelRecordTexts {
    QString monthlyRemuneration;  // 平均標準報酬月額
    QString monthsTo2003;
    QString remuneration;         // 平均標準報酬額
    QString monthsFrom2003;
    QString slideRate;
};

// The long-requirement rates by the husband's birth date, the record's
// texts in every panel and the capped months of the short requirement.  A
// husband born before 1943-04-02 keeps the rates shown, with a message.
std::optional<Message> SetPanelInputs(PanelTexts &panel, const PanelRecordTexts &record, const QDate &husbandBirth);

// Parts A and B and the amount of all four panels from what they show; a
// step whose arithmetic fails keeps its text.
void ComputePanels(PanelTexts &panel);

}  // namespace izoku::engine
