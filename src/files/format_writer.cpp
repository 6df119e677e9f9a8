#include "format_file.h"
#include "format_names.h"
#include "format_writer_parts.h"
#include "safe_save.h"

#include "core/format_fields.h"
#include "core/paper_label.h"
#include "core/units.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QStorageInfo>
#include <QTime>

namespace zenpa {

namespace {

const QString kProgramName = QStringLiteral("ZENPA");
const QString kProgramVersion = QStringLiteral("8.2");

QString bytesText(qint64 bytes) {
    return QString::number(bytes) + QStringLiteral(" byte");
}

void writeSystem(IniWriter& out, const QString& path) {
    const QLocale locale = QLocale::system();
    const QString dir = QDir::currentPath();
    const QStorageInfo disk(dir);
    out.section(QStringLiteral("System"));
    out.key(QStringLiteral("Program"), kProgramName);
    out.key(QStringLiteral("Version"), kProgramVersion);
    out.key(QStringLiteral("Date"), locale.toString(QDate::currentDate(), QLocale::ShortFormat));
    out.key(QStringLiteral("Time"), locale.toString(QTime::currentTime(), QLocale::LongFormat));
    out.key(QStringLiteral("Drive"), dir);
    out.key(QStringLiteral("DiskSize"), bytesText(disk.bytesTotal()));
    out.key(QStringLiteral("DiskFree"), bytesText(disk.bytesAvailable()));
    out.key(QStringLiteral("Filename"), QFileInfo(path).absoluteFilePath());
}

void writeFileNames(IniWriter& out, const AppState& state, const QString& path) {
    out.section(QStringLiteral("File"));
    out.key(QStringLiteral("Save"), state.saveFileName);
    out.key(QStringLiteral("Open"), state.openFileName);
    out.key(QStringLiteral("File"), QFileInfo(path).fileName());
}

void writePrinterAndPaper(IniWriter& out, const AppState& state, const PageGeometry& page) {
    const PrinterSystem& printer = state.printer();
    out.section(QStringLiteral("Printer"));
    out.key(QStringLiteral("Name"), printer.currentName());
    out.key(QStringLiteral("Index"), printer.currentIndex());
    out.key(QStringLiteral("PixX"), page.PixX);
    out.key(QStringLiteral("PixY"), page.PixY);
    out.key(QStringLiteral("Orientation"), printer.landscape() ? 1 : 0);

    const int paper = printer.paperSize();
    const PrintRange& r = state.range.range;
    out.section(QStringLiteral("Paper"));
    out.key(QStringLiteral("Name"), paper);
    out.key(QStringLiteral("Source"), 0); // the printer layer has no paper source
    out.key(QStringLiteral("SizeX"), page.SizeX);
    out.key(QStringLiteral("SizeY"), page.SizeY);
    out.key(QStringLiteral("OffsetX"), page.OffsetX);
    out.key(QStringLiteral("OffsetY"), page.OffsetY);
    out.key(QStringLiteral("Width"), page.Width);
    out.key(QStringLiteral("Height"), page.Height);
    out.key(QStringLiteral("Px"), r.Px);
    out.key(QStringLiteral("Py"), r.Py);
    out.key(QStringLiteral("Px2"), r.Px2);
    out.key(QStringLiteral("Py2"), r.Py2);
    out.key(QStringLiteral("Caption"), PaperLabel(paper, page, state.windowDpi));
}

void writeWindow(IniWriter& out, const AppState& state) {
    const WindowPlace& w = state.window;
    out.section(QStringLiteral("Form"));
    out.key(QStringLiteral("Left"), w.Left);
    out.key(QStringLiteral("Top"), w.Top);
    out.key(QStringLiteral("Width"), w.Width);
    out.key(QStringLiteral("Height"), w.Height);
    out.key(QStringLiteral("Pixelsperinch"), state.windowDpi);
    out.key(QStringLiteral("State"), w.State);
}

// The millimetres a picture edit box shows for a scroll position: the
// distance of pos device pixels from the paper's edge.
QString pictureMm(int pos, int extent, int offset, int resolution) {
    if (extent < 1 || resolution < 1) return QStringLiteral("0");
    const double pixels = static_cast<double>(extent) * pos / extent + offset;
    return QString::number(Round(pixels / resolution * kMmPerInch));
}

// The preview scale with up to 15 significant digits, in the user's notation.
QString rbText(double rb) {
    QLocale locale = QLocale::system();
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(rb, 'g', 15);
}

// The information keys of the settings sections.
QHash<QString, QString> settingsInfo(const AppState& state, const SectionDef& section) {
    const QString name = QLatin1String(section.name);
    const HaniLimits& lim = state.range.limits;
    const PageGeometry& p = state.range.page;
    const FormatRecord::GazoSection& g = state.doc.format.Gazo;
    if (name == QLatin1String("Prop")) return {{QStringLiteral("Rb"), rbText(state.range.Rb)}};
    if (name == QLatin1String("Hani"))
        return {{QStringLiteral("X"), MarginLimitLabel(lim.left)},
                {QStringLiteral("Y"), MarginLimitLabel(lim.top)},
                {QStringLiteral("X2"), MarginLimitLabel(lim.right)},
                {QStringLiteral("Y2"), MarginLimitLabel(lim.bottom)},
                {QStringLiteral("W"), SizeLimitLabel(lim.width)},
                {QStringLiteral("H"), SizeLimitLabel(lim.height)}};
    if (name == QLatin1String("Gazo"))
        return {{QStringLiteral("LWidth"), pictureMm(g.Width, p.Width, p.OffsetX, p.PixX)},
                {QStringLiteral("LHeight"), pictureMm(g.Height, p.Height, p.OffsetY, p.PixY)},
                {QStringLiteral("LLeft"), pictureMm(g.Left, p.Width, p.OffsetX, p.PixX)},
                {QStringLiteral("LTop"), pictureMm(g.Top, p.Height, p.OffsetY, p.PixY)}};
    return {};
}

void writeFontuserAndMenu(IniWriter& out, const FormatRecord& record) {
    const QStringList& names = record.Fontuser.Names;
    out.section(QStringLiteral("Fontuser"));
    out.key(QStringLiteral("count"), static_cast<int>(names.size()));
    for (int i = 0; i < names.size(); ++i)
        out.key(FontuserKey(i), WrapValue(names[i]));
    out.section(QStringLiteral("Menu"));
    out.key(QStringLiteral("Gradation"), record.Menu.Gradation ? 1 : 0);
}

} // namespace

void WriteSettingsSection(IniWriter& out, const FormatRecord& record, const SectionDef& section,
                          const QHash<QString, QString>& info) {
    out.section(QLatin1String(section.name));
    for (const KeyDef& key : section.keys) {
        const QString name = QLatin1String(key.key);
        if (key.use == KeyUse::Info) {
            out.key(name, info.value(name));
            continue;
        }
        const FieldInfo* field = FindFormatField(FieldName(section, key));
        out.key(name, field ? FormatFieldText(record, *field) : QString());
    }
}

QByteArray FormatFileBytes(const AppState& state, Canvas& canvas, const QString& path) {
    const PageGeometry page = ResolvePageFacts(state.printer().pageFacts(), state.windowDpi);
    const FormatRecord& record = state.doc.format;
    IniWriter out;
    writeSystem(out, path);
    writeFileNames(out, state, path);
    writePrinterAndPaper(out, state, page);
    writeWindow(out, state);
    for (const SectionDef& section : SettingsSections())
        WriteSettingsSection(out, record, section, settingsInfo(state, section));
    writeFontuserAndMenu(out, record);
    WriteTextSections(out, state, canvas);
    WriteSettingsSection(out, record, ColorsSection());
    WriteSettingsSection(out, record, LogFontSection());
    return out.toBytes();
}

bool WriteFormatFile(const AppState& state, Canvas& canvas, const QString& path, QString* error) {
    return SaveWithBackup(path, FormatFileBytes(state, canvas, path), error);
}

} // namespace zenpa
