#pragma once

#include <QPicture>
#include <QSize>

class QWidget;

namespace izoku::ui {

// A window as the customer's page shows it: laid out at its whole size, so
// that every scroll area holds all its content in view (the sheet the agent
// opened below the form, the expense block scrolled away behind the button
// row), and every widget drawn only within what its parents show, as on
// screen.  Item views and text boxes keep their own scrolling: a table of
// fifty years prints the years in view.  The window is laid out again as it
// was before the call returns, scroll positions and splitters included.
struct WindowPage {
    QPicture picture; // recorded at the screen's resolution, from (0, 0)
    QSize size;       // of the whole window on the page, in pixels
};
WindowPage DrawWindowPage(QWidget *window);

} // namespace izoku::ui
