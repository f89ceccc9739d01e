#pragma once

namespace izoku::ui {

// What every window of the program shares beyond its own widgets: the
// application font (Japanese glyphs, never Chinese variants), the program's
// icon on every window and on the task bar, and Enter pressing the focused
// button (EnterPressesButtons).  Called once the application exists.
void SetUpApplication();

} // namespace izoku::ui
