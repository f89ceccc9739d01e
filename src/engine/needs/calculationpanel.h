#pragma once

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

} // namespace izoku::engine
