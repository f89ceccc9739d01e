#pragma once

#include "store/database.h"

#include <QString>

namespace izoku::ui {

class WindowRegistry;

// Tells the registry how to build each window the program has.  A window not
// registered here keeps its menu button disabled.  The windows that read or
// write customers and base figures use the file at `databasePath`.
void RegisterScreens(WindowRegistry &registry, const QString &databasePath = store::DatabasePath());

} // namespace izoku::ui
