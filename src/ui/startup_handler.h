#pragma once

// The main window's start-up handler: the printer checks, the screen, the
// reset and the read of the settings file or the file the command line
// names, then the first redraw.

#include "core/app_state.h"

#include <QStringList>

namespace zenpa::ui {

class MainWindow;

// False when a printer check failed: its message has been shown and the
// program must end without writing the settings file.
bool RunStartupHandler(MainWindow& window, AppState& state, const QStringList& arguments);

} // namespace zenpa::ui
