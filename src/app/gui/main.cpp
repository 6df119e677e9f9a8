// zenpa: the window.

#include "core/reset.h"
#include "output/printer_checks.h"
#include "platform/font_backend.h"
#include "platform/qt_printer_system.h"
#include "ui/main_window.h"
#include "ui/widget_interaction.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zenpa"));
    QApplication::setApplicationDisplayName(QStringLiteral("ゼンパ"));

    const zenpa::FontBackend& fonts = zenpa::FontBackend::instance();
    zenpa::QtPrinterSystem printer(fonts);
    {
        // Without a usable printer the program says so and ends.
        zenpa::ui::WidgetInteraction startup(nullptr);
        if (!zenpa::CheckPrintersAtStartup(printer, startup))
            return 1;
    }
    zenpa::AppState state(printer);
    state.isListedFace = [&fonts](const QString& face) { return fonts.hasFace(face); };
    if (const QScreen* screen = QApplication::primaryScreen()) {
        state.screenSize = screen->size();
        state.workArea = screen->availableGeometry();
        state.windowDpi = qRound(screen->logicalDotsPerInchY());
    }
    zenpa::ResetDocument(state.doc, printer, state.panel, state.windowDpi, state.range);

    zenpa::ui::MainWindow window(state, fonts);
    window.show();
    return QApplication::exec();
}
