#include "convert_command.h"

#include "cli_error.h"
#include "document_args.h"
#include "platform/font_backend.h"
#include "platform/measuring_canvas.h"

#include <QFileInfo>

namespace zenpa::cli {

int RunConvert(QStringList args) {
    const qsizetype o = args.indexOf(QStringLiteral("-o"));
    if (o < 0 || o + 1 >= args.size())
        throw UsageError{QStringLiteral("convert: -o OUT.zps is needed")};
    const QString output = args[o + 1];
    args.remove(o, 2);
    const DocumentArgs docArgs = TakeDocumentArgs(args);
    if (!args.isEmpty())
        throw UsageError{QStringLiteral("convert: unknown argument %1").arg(args.first())};
    if (docArgs.file.isEmpty()) throw UsageError{QStringLiteral("convert: which file?")};

    Session s = OpenSession(docArgs, ModeOpen);
    if (!s.readResult) throw RunError{QStringLiteral("cannot read %1").arg(docArgs.file)};
    AppState& state = *s.state;
    state.saveFileName = QFileInfo(output).absoluteFilePath();
    MeasuringCanvas canvas(FontBackend::instance());
    if (!WriteFormatFile(state, canvas, output))
        throw RunError{QStringLiteral("cannot write %1").arg(output)};
    return 0;
}

} // namespace zenpa::cli
