#pragma once

#include <functional>

class QScrollArea;
class QSize;
class QWidget;

namespace izoku::ui {

// Centres a window horizontally and puts its top edge at (free height) ÷
// `divisor`, the placement every screen uses when it opens.  Like every
// placement here it keeps the window's frame on the screen's free area.
void PlaceCentred(QWidget *window, double divisor);

// Against the right edge of the screen, top at (free height) ÷ `divisor`:
// the reference windows.
void PlaceRight(QWidget *window, double divisor);

// Centred horizontally, top a fixed number of pixels below the screen's top.
void PlaceCentredAt(QWidget *window, int top);

// Places a window the first time it is shown, once it has its real size;
// later showings keep wherever the agent moved it.
void PlaceWhenFirstShown(QWidget *window, std::function<void(QWidget *)> place);

// Makes a window fit the screen it opens on, down to the agents' 1366×768
// laptops and smaller:
// - `designSize` is the size the window was laid out for (for example
//   868×621); an empty size means its layout's size hint.  Where the
//   screen's free area, less the window's frame, is smaller than that in
//   either direction, the window's content (its layout and every child) is
//   moved into a scroll area, so every field stays within reach;
// - the window opens at its design size, cut to the free area;
// - whenever it is shown it is kept no larger than the free area, and its
//   frame inside it.
// Call it last in the window's constructor, once the content is complete
// and after PlaceWhenFirstShown, so the placement sees the final size.
void FitToScreen(QWidget *window, const QSize &designSize);
void FitToScreen(QWidget *window);

// Enlarges a window to its layout's size hint as far as the screen's free
// area allows, never shrinking it, and keeps its frame on the screen: for a
// window that has just shown more of itself (a sheet, a panel).
void GrowToContent(QWidget *window);

// Sizes a window to its layout's size hint as far as the screen's free area
// allows, larger or smaller, and keeps its frame on the screen: for a window
// whose content scrolls (MakeScrollPane) and that takes no more room than
// what it shows, as each sheet or panel comes and goes.
void FitToContent(QWidget *window);

// A scroll area over `content` that asks for the whole content's size, so
// the window around it is as large as the content where the screen allows
// and scrolls only where it does not.
QScrollArea *MakeScrollPane(QWidget *content, QWidget *parent);

} // namespace izoku::ui
