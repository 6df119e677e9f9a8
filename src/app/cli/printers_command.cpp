#include "printers_command.h"

#include "cli_error.h"
#include "core/paper_label.h"
#include "document_args.h"
#include "json_out.h"
#include "platform/font_backend.h"
#include "platform/qt_printer_system.h"

#include <QJsonArray>

namespace zenpa::cli {

int RunPrinters(QStringList args) {
    const QString paperText = TakeOption(args, QStringLiteral("--paper"));
    if (!args.isEmpty())
        throw UsageError{QStringLiteral("printers: unknown argument %1").arg(args.first())};
    bool paperIsNumber = true;
    const int paper = paperText.isEmpty() ? 0 : paperText.toInt(&paperIsNumber);
    if (!paperIsNumber)
        throw UsageError{
            QStringLiteral("--paper: expected a paper size code, got \"%1\"").arg(paperText)};

    QtPrinterSystem printers(FontBackend::instance());
    const QStringList names = printers.printerNames();
    QJsonArray out;
    for (int i = 0; i < names.size(); ++i) {
        QJsonObject entry{{"index", i}, {"name", names[i]}, {"builtin", printers.isBuiltin(i)}};
        if (!printers.select(i)) {
            entry.insert("error", QStringLiteral("cannot be opened"));
            WriteNote(QStringLiteral("printer \"%1\" cannot be opened").arg(names[i]));
            out.append(entry);
            continue;
        }
        if (!paperText.isEmpty()) {
            const bool taken = printers.setPaperSize(paper);
            entry.insert("paperSet", taken);
            if (!taken)
                WriteNote(
                    QStringLiteral("printer \"%1\" does not take paper size %2; its paper stays")
                        .arg(names[i])
                        .arg(paper));
        }
        printers.setLandscape(false);
        const PageGeometry portrait = printers.pageFacts().page;
        printers.setLandscape(true);
        const PageGeometry landscape = printers.pageFacts().page;
        printers.setLandscape(false);
        const int code = printers.paperSize();
        entry.insert("paperCode", code);
        entry.insert("paperLabel", PaperLabel(code, portrait, kWindowDpi));
        entry.insert("portrait", PageJson(portrait));
        entry.insert("landscape", PageJson(landscape));
        out.append(entry);
    }
    WriteJson(QJsonDocument(out));
    return 0;
}

} // namespace zenpa::cli
