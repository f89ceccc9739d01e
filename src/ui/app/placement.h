#pragma once

#include <functional>

class QWidget;

namespace izoku::ui {

// Centres a window horizontally and puts its top edge at (free height) ÷
// `divisor`, the placement every screen uses when it opens.
void PlaceCentred(QWidget *window, double divisor);

// Against the right edge of the screen, top at (free height) ÷ `divisor`:
// the reference windows.
void PlaceRight(QWidget *window, double divisor);

// Centred horizontally, top a fixed number of pixels below the screen's top.
void PlaceCentredAt(QWidget *window, int top);

// Places a window the first time it is shown, once it has its real size;
// later showings keep wherever the agent moved it.
void PlaceWhenFirstShown(QWidget *window, std::function<void(QWidget *)> place);

} // namespace izoku::ui
