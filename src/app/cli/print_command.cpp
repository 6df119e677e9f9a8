#include "print_command.h"

#include "cli_error.h"
#include "decor/decorations.h"
#include "document_args.h"
#include "json_out.h"
#include "output/print_run.h"
#include "platform/font_backend.h"

namespace zenpa::cli {

namespace {

// Nobody can cancel a job started from the command line; it runs to its end.
class QuietProgress : public PrintProgress {
public:
    void begin() override {}
    void showLine(const QString&, int) override {}
    void processEvents() override {}
    bool cancelRequested() const override { return false; }
    void end() override {}
};

} // namespace

int RunPrint(QStringList args) {
    const QString out = TakeOption(args, QStringLiteral("-o"));
    const qsizetype titleAt = args.indexOf(QStringLiteral("--title"));
    const QString title = TakeOption(args, QStringLiteral("--title"));
    const DocumentArgs docArgs = TakeDocumentArgs(args);
    if (!args.isEmpty())
        throw UsageError{QStringLiteral("print: unknown argument %1").arg(args.first())};
    if (docArgs.page)
        throw UsageError{QStringLiteral("print: --page is a page without a printer; choose a "
                                        "printer with --printer")};

    Session s = OpenSession(docArgs, ModeOpen, Printers::System);
    if (!s.readResult) throw RunError{QStringLiteral("cannot read %1").arg(docArgs.file)};
    AppState& state = *s.state;
    const FontBackend& fonts = FontBackend::instance();
    state.isListedFace = [&fonts](const QString& face) { return fonts.hasFace(face); };
    const QString printer = state.printer().currentName();
    if (state.printer().currentIsBuiltin() && out.isEmpty())
        throw UsageError{QStringLiteral("print: the printer \"%1\" writes a file: give -o FILE.pdf")
                             .arg(printer)};
    if (!state.printer().currentIsBuiltin() && !out.isEmpty())
        throw UsageError{
            QStringLiteral("print: -o is for the printer \"%1\"; \"%2\" prints on paper")
                .arg(state.printer().printerNames().constLast(), printer)};
    if (state.doc.lines.isEmpty())
        throw RunError{QStringLiteral("print: there is no text to print")};

    PrintJobRequest request{titleAt >= 0 ? title : PrintJobTitle(state.openFileName), out};
    Decorations decorations;
    QuietProgress progress;
    const PrintResult result = PrintDocument(state, decorations, progress, request);
    if (result.outcome != PrintOutcome::Printed)
        throw RunError{QStringLiteral("print: %1").arg(result.error)};
    return 0;
}

} // namespace zenpa::cli
