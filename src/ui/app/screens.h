#pragma once

namespace izoku::ui {

class WindowRegistry;

// Tells the registry how to build each window the program has.  A window not
// registered here keeps its menu button disabled.
void RegisterScreens(WindowRegistry &registry);

// The application font: Japanese glyphs, never Chinese variants.
void ApplyApplicationFont();

} // namespace izoku::ui
