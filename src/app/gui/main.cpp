// zenpa: the window. The splash first; then the main window, whose start-up
// handler checks the printers and reads the settings file (or the file the
// command line names); at every close the document goes back into the
// settings file.

#include "core/app_state.h"
#include "platform/font_backend.h"
#include "platform/qt_printer_system.h"
#include "ui/close_on_signal.h"
#include "ui/main_window.h"
#include "ui/splash_window.h"
#include "ui/startup_handler.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zenpa"));
    QApplication::setApplicationDisplayName(QStringLiteral("ゼンパ"));

    auto* splash = new zenpa::ui::SplashWindow;
    splash->showNow();

    const zenpa::FontBackend& fonts = zenpa::FontBackend::instance();
    zenpa::QtPrinterSystem printer(fonts); // the system's printers, then "PDFファイル"
    zenpa::AppState state(printer);
    state.isListedFace = [&fonts](const QString& face) { return fonts.hasFace(face); };

    zenpa::ui::MainWindow window(state, fonts);
    if (!zenpa::ui::RunStartupHandler(window, state, QCoreApplication::arguments().mid(1))) {
        splash->close();
        return 1;
    }
    // From here on, ending the session or Ctrl+C closes the window like its
    // close box; earlier they end the program before it has written anything.
    zenpa::ui::CloseOnSignal signals(window);
    window.show();
    splash->finishWhenActive();
    return QApplication::exec();
}
