// zenpa: the window.

#include "core/reset.h"
#include "platform/builtin_printer.h"
#include "platform/font_backend.h"
#include "ui/main_window.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zenpa"));
    QApplication::setApplicationDisplayName(QStringLiteral("ゼンパ"));

    zenpa::BuiltinPrinterSystem printer;
    zenpa::AppState state(printer);
    const zenpa::FontBackend& fonts = zenpa::FontBackend::instance();
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
