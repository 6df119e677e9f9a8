#include "document_args.h"

#include "cli_error.h"
#include "core/fixed_printer.h"
#include "core/format_fields.h"
#include "core/reset.h"
#include "platform/builtin_printer.h"
#include "platform/font_backend.h"
#include "platform/qt_printer_system.h"

#include <QFile>
#include <QRegularExpression>

namespace zenpa::cli {

namespace {

QPair<int, int> parsePair(const QString& text, const QString& what) {
    static const QRegularExpression re(QStringLiteral("^(-?\\d+)x(-?\\d+)$"));
    const auto m = re.match(text);
    bool ok1 = false, ok2 = false;
    const int a = m.hasMatch() ? m.captured(1).toInt(&ok1) : 0;
    const int b = m.hasMatch() ? m.captured(2).toInt(&ok2) : 0;
    if (!ok1 || !ok2)
        throw UsageError{QStringLiteral("%1: expected NxM, got \"%2\"").arg(what, text)};
    return {a, b};
}

QString takeValue(QStringList& args, qsizetype i) {
    if (i + 1 >= args.size())
        throw UsageError{QStringLiteral("%1 needs a value").arg(args[i])};
    const QString v = args[i + 1];
    args.remove(i, 2);
    return v;
}

} // namespace

QString TakeOption(QStringList& args, const QString& name) {
    const qsizetype i = args.indexOf(name);
    return i < 0 ? QString() : takeValue(args, i);
}

PageFacts ParsePageSpec(const QString& spec) {
    std::optional<QPair<int, int>> pix, area, sheet, offset;
    for (const QString& part : spec.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const qsizetype eq = part.indexOf(QLatin1Char('='));
        const QString key = eq < 0 ? part : part.left(eq);
        const QString value = eq < 0 ? QString() : part.mid(eq + 1);
        if (key == QLatin1String("pix"))
            pix = parsePair(value, QStringLiteral("--page pix"));
        else if (key == QLatin1String("area"))
            area = parsePair(value, QStringLiteral("--page area"));
        else if (key == QLatin1String("sheet"))
            sheet = parsePair(value, QStringLiteral("--page sheet"));
        else if (key == QLatin1String("offset"))
            offset = parsePair(value, QStringLiteral("--page offset"));
        else
            throw UsageError{QStringLiteral("--page: unknown part \"%1\"").arg(part)};
    }
    if (!pix || !area)
        throw UsageError{QStringLiteral("--page needs pix=XxY and area=WxH")};
    if (!sheet)
        sheet = area;
    if (!offset)
        offset = QPair<int, int>{0, 0};
    PageFacts f;
    f.page = PageGeometry{pix->first,   pix->second,    area->first,   area->second,
                          sheet->first, sheet->second, offset->first, offset->second};
    f.physicalKnown = true;
    return f;
}

DocumentArgs TakeDocumentArgs(QStringList& args) {
    DocumentArgs out;
    for (qsizetype i = 0; i < args.size();) {
        const QString& a = args[i];
        if (a == QLatin1String("--page")) {
            out.page = ParsePageSpec(takeValue(args, i));
        } else if (a == QLatin1String("--panel")) {
            const auto p = parsePair(takeValue(args, i), QStringLiteral("--panel"));
            out.panel = PanelSize{p.first, p.second};
        } else if (a == QLatin1String("--line")) {
            out.lines.push_back(takeValue(args, i));
        } else if (a == QLatin1String("--text-file")) {
            const QString path = takeValue(args, i);
            QFile f(path);
            if (!f.open(QIODevice::ReadOnly))
                throw UsageError{QStringLiteral("--text-file: cannot read %1: %2")
                                     .arg(path, f.errorString())};
            out.lines += SplitEditorText(QString::fromUtf8(f.readAll()));
        } else if (a == QLatin1String("--printer")) {
            out.printer = takeValue(args, i);
        } else if (a == QLatin1String("--set")) {
            const QString kv = takeValue(args, i);
            const qsizetype eq = kv.indexOf(QLatin1Char('='));
            if (eq <= 0)
                throw UsageError{QStringLiteral("--set: expected Section.Key=VALUE, got \"%1\"").arg(kv)};
            const QString name = kv.left(eq);
            if (!FindFormatField(name))
                throw UsageError{QStringLiteral("--set: unknown field %1").arg(name)};
            out.sets.push_back({name, kv.mid(eq + 1)});
        } else if (!a.startsWith(QLatin1Char('-'))) {
            if (!out.file.isEmpty())
                throw UsageError{QStringLiteral("one file only, got %1 and %2").arg(out.file, a)};
            out.file = a;
            args.remove(i);
        } else {
            ++i;
        }
    }
    return out;
}

int FindPrinter(const PrinterSystem& printers, const QString& nameOrIndex) {
    const QStringList names = printers.printerNames();
    const qsizetype byName = names.indexOf(nameOrIndex);
    if (byName >= 0)
        return static_cast<int>(byName);
    bool isNumber = false;
    const int index = nameOrIndex.toInt(&isNumber);
    return isNumber && index >= 0 && index < names.size() ? index : -1;
}

Session OpenSession(const DocumentArgs& args, ReadMode mode, Printers printers) {
    Session s;
    if (args.page && args.printer)
        throw UsageError{QStringLiteral("--page and --printer exclude each other")};
    if (args.page) {
        auto fixed = std::make_unique<FixedPrinterSystem>(*args.page, QStringLiteral("--page"));
        fixed->setFixedOrientationFacts(true);
        s.printer = std::move(fixed);
    } else if (args.printer || printers == Printers::System) {
        s.printer = std::make_unique<QtPrinterSystem>(FontBackend::instance());
    } else {
        s.printer = std::make_unique<BuiltinPrinterSystem>();
    }
    s.state = std::make_unique<AppState>(*s.printer);
    AppState& state = *s.state;
    state.panel = args.panel;
    state.windowDpi = kWindowDpi;
    ResetDocument(state.doc, *s.printer, state.panel, state.windowDpi, state.range);
    if (!args.file.isEmpty())
        s.readResult = ReadFormatFile(state, args.file, mode);
    if (args.printer) {
        const int index = FindPrinter(*s.printer, *args.printer);
        if (index < 0)
            throw UsageError{
                QStringLiteral("no printer \"%1\"; the printers are: %2")
                    .arg(*args.printer, s.printer->printerNames().join(QStringLiteral(", ")))};
        if (!s.printer->select(index))
            throw RunError{QStringLiteral("printer \"%1\" cannot be opened").arg(*args.printer)};
        state.doc.format.Printer.Index = index;
    }
    if (!args.lines.isEmpty() || args.file.isEmpty())
        state.doc.lines = args.lines;
    for (const auto& [name, value] : args.sets) {
        const FieldInfo* field = FindFormatField(name);
        if (!SetFormatField(state.doc.format, *field, value))
            throw UsageError{QStringLiteral("--set: \"%1\" is not a value of %2").arg(value, name)};
    }
    s.printer->setLandscape(state.doc.format.Printer.Orientation);
    s.printer->setPaperSize(state.doc.format.Paper.Name);
    s.centerSwitchedOff = state.computePrintRange();
    return s;
}

} // namespace zenpa::cli
