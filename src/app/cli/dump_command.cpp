#include "dump_command.h"

#include "cli_error.h"
#include "core/format_fields.h"
#include "document_args.h"
#include "json_out.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace zenpa::cli {

namespace {

ReadMode takeMode(QStringList& args) {
    const qsizetype i = args.indexOf(QStringLiteral("--mode"));
    if (i < 0) return ModeOpen;
    if (i + 1 >= args.size()) throw UsageError{QStringLiteral("--mode needs a value")};
    const QString mode = args[i + 1];
    args.remove(i, 2);
    if (mode == QLatin1String("startup")) return ModeStartup;
    if (mode == QLatin1String("open")) return ModeOpen;
    if (mode == QLatin1String("format")) return ModeFormatOnly;
    throw UsageError{
        QStringLiteral("--mode: expected startup, open or format, got \"%1\"").arg(mode)};
}

// A field as the format file stores it: numbers as numbers, the rest as text.
QJsonValue fieldValue(const FormatRecord& record, const FieldInfo& field) {
    const QString text = FormatFieldText(record, field);
    switch (field.kind) {
    case FieldKind::Int:
    case FieldKind::Index:
    case FieldKind::Bool:
        return text.toInt();
    case FieldKind::Color:
    case FieldKind::Text:
    case FieldKind::CustomColor:
        return text;
    }
    return text;
}

} // namespace

int RunDump(QStringList args) {
    const ReadMode mode = takeMode(args);
    const DocumentArgs docArgs = TakeDocumentArgs(args);
    if (!args.isEmpty())
        throw UsageError{QStringLiteral("dump: unknown argument %1").arg(args.first())};
    if (docArgs.file.isEmpty()) throw UsageError{QStringLiteral("dump: which file?")};
    const Session s = OpenSession(docArgs, mode);
    const AppState& state = *s.state;
    const FormatRecord& record = state.doc.format;

    QJsonObject fields;
    QJsonArray customColors;
    for (const FieldInfo& field : FormatFields()) {
        fields.insert(QLatin1String(field.name), fieldValue(record, field));
        if (field.kind == FieldKind::CustomColor)
            customColors.append(FormatFieldText(record, field));
    }
    QJsonArray table;
    for (int n = 1; n <= record.LineFont.Table.dataRowCount(); ++n) {
        QJsonArray cells;
        for (const QString& cell : record.LineFont.Table.row(n))
            cells.append(cell);
        table.append(cells);
    }
    const QJsonObject out{
        {"result", s.readResult},
        {"text", QJsonArray::fromStringList(state.doc.lines)},
        {"fields", fields},
        {"lineTable", table},
        {"registeredFonts", QJsonArray::fromStringList(record.Fontuser.Names)},
        {"customColors", customColors},
        {"saveName", state.saveFileName},
        {"openName", state.openFileName},
    };
    WriteJson(QJsonDocument(out));
    return 0;
}

} // namespace zenpa::cli
