#include "startup_handler.h"

#include "files/file_commands.h"
#include "main_window.h"
#include "output/printer_checks.h"

#include <QScreen>
#include <QTabWidget>

namespace zenpa::ui {

bool RunStartupHandler(MainWindow& window, AppState& state, const QStringList& arguments) {
    if (!CheckPrintersAtStartup(state.printer(), window.interaction())) return false;
    {
        AppState::SuppressRedraw quiet(state);
        // The reader clamps the window's place to the screen it starts on.
        if (const QScreen* screen = window.screen()) {
            state.screenSize = screen->size();
            state.workArea = screen->availableGeometry();
            state.windowDpi = qRound(screen->logicalDotsPerInchY());
        }
        window.pages()->setCurrentIndex(0);
        // The reset (the window filling the work area), then the file.
        window.files().startUp(arguments);
        state.computePrintRange();
    }
    state.requestRedraw();
    return true;
}

} // namespace zenpa::ui
