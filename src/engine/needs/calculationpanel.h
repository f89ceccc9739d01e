#pragma once

#include "engine/basedata/basedata.h"

#include "engine/pension/frmravoform.h"

#include <QString>

#include <array>

// The needs-analysis screen's calculation-process panel (遺族厚生年金計算シー
// ト): the four formula panels of the survivors' employees' pension in the
// same Num3 layout as the survivors' pension screen, so the same panel rules
// fill them.  Slot 41 is no figure of this screen's panel: the needs screen
// shows its national pension months in Num1(13).
namespace izoku::engine {

using PanelTexts = std::array<QString, Num3::Count>;

// The panel as the screen first shows it: the short requirement's rates,
// the slide rate "0.985", every other figure "0".
PanelTexts OpeningPanelTexts();

// Every computed figure back to "0"; the rates stay.
void ClearPanelFigures(PanelTexts &panel);

// The figures of the year in use as the panels show them before a
// calculation: the slide rate on every panel, and today the 従前額改定率 on
// the old-formula panels in its place.  Figures not loaded leave the panels
// as they are.
void ShowYearOnPanels(PanelTexts &panel, const BaseData &baseData);

// The words before the old formula's factor: "(①+②) × 1.031 ×" by the law
// of fiscal 2009, "(①+②) × 従前額改定率" today.
QString OldFormulaCaption(const BaseData &baseData);

} // namespace izoku::engine
