#include "format_reader.h"

#include "core/item_limits.h"
#include "core/page_layout.h"
#include "core/value_text.h"
#include "decor/effects_model.h"

#include <QFileInfo>

namespace zenpa {

FormatReader::FormatReader(AppState& state, const IniFile& ini, const QString& path, ReadMode mode)
    : m_state(state), m_format(state.doc.format), m_ini(ini), m_path(path), m_mode(mode) {}

std::optional<QString> FormatReader::text(const QString& section, const QString& key) const {
    return m_ini.value(section, key);
}

std::optional<int> FormatReader::integer(const QString& section, const QString& key) const {
    const std::optional<QString> v = m_ini.value(section, key);
    if (!v) return std::nullopt;
    return ParseIntText(*v);
}

bool FormatReader::listed(const QString& face) const {
    return !face.isEmpty() && (!m_state.isListedFace || m_state.isListedFace(face));
}

bool FormatReader::readAll() {
    // System.Version matters only to the text lines (readText); System.Program
    // is not used.
    readPrinter();
    readFileNames();
    if (m_mode == ModeStartup) readWindow();
    m_formState = integer(QStringLiteral("Form"), QStringLiteral("State")).value_or(1);
    m_paperName = integer(QStringLiteral("Paper"), QStringLiteral("Name")).value_or(9);

    // The file's own gradation mark decides the effect items before its effect
    // is read: a document saved with gradation opens with gradation.
    const auto gradation = integer(QStringLiteral("Menu"), QStringLiteral("Gradation"));
    SetGradationOffered(m_format, m_state.effectItems,
                        gradation ? *gradation != 0 : m_format.Menu.Gradation);
    for (const SectionDef& section : SettingsSections())
        if (!readSection(section)) return false;
    if (!readFontuser()) return false;
    if (m_mode != ModeFormatOnly && !readText()) return false;
    if (!readLineTable()) return false;
    readSection(ColorsSection()); // never fails
    applyPaper();
    return readSection(LogFontSection());
}

void FormatReader::readPrinter() {
    PrinterSystem& printer = m_state.printer();
    const int index = integer(QStringLiteral("Printer"), QStringLiteral("Index")).value_or(0);
    if (!printer.select(index)) printer.select(0);
    m_format.Printer.Index = printer.currentIndex();
    const auto landscape = integer(QStringLiteral("Printer"), QStringLiteral("Orientation"));
    const bool orientation = landscape ? *landscape != 0 : printer.landscape();
    printer.setLandscape(orientation);
    m_format.Printer.Orientation = orientation;
}

void FormatReader::readFileNames() {
    if (m_mode == ModeOpen) {
        m_state.saveFileName = m_state.openFileName = QFileInfo(m_path).absoluteFilePath();
        return;
    }
    if (m_mode != ModeStartup) return;
    const auto rememberIfExists = [&](const char* key, QString& name) {
        const std::optional<QString> v = text(QStringLiteral("File"), QLatin1String(key));
        if (v && !v->isEmpty() && QFileInfo::exists(*v)) name = *v;
    };
    rememberIfExists("Save", m_state.saveFileName);
    rememberIfExists("Open", m_state.openFileName);
}

void FormatReader::readWindow() {
    const QString form = QStringLiteral("Form");
    WindowPlace& w = m_state.window;
    w.Left = integer(form, QStringLiteral("Left")).value_or(0);
    if (w.Left < 0 || w.Left > m_state.screenSize.width()) w.Left = 0;
    w.Top = integer(form, QStringLiteral("Top")).value_or(0);
    if (w.Top < 0 || w.Top > m_state.screenSize.height()) w.Top = 0;
    w.Width = integer(form, QStringLiteral("Width")).value_or(640);
    if (w.Width < 0) w.Width = m_state.workArea.width();
    w.Height = integer(form, QStringLiteral("Height")).value_or(480);
    if (w.Height < 0) w.Height = m_state.workArea.height();
}

bool FormatReader::readSection(const SectionDef& section) {
    for (const KeyDef& key : section.keys)
        if (key.use == KeyUse::Stored && !readKey(section, key)) return false;
    return true;
}

void FormatReader::applyDefault(const KeyDef& key, FieldRef ref) {
    const HaniLimits& lim = m_state.range.limits;
    const QLatin1String name(key.key);
    switch (key.fallback) {
    case KeyDefault::Current:
        return;
    case KeyDefault::Zero:
        std::visit([](auto* p) { *p = {}; }, ref);
        return;
    case KeyDefault::Lower:
        *std::get<int*>(ref) = name == QLatin1String("Left")    ? lim.left.lower
                               : name == QLatin1String("Top")   ? lim.top.lower
                               : name == QLatin1String("Right") ? lim.right.lower
                                                                : lim.bottom.lower;
        return;
    case KeyDefault::Upper:
        *std::get<int*>(ref) = name == QLatin1String("Width") ? lim.width.upper : lim.height.upper;
        return;
    }
}

bool FormatReader::readKey(const SectionDef& section, const KeyDef& key) {
    const FieldInfo* field = FindFormatField(FieldName(section, key));
    if (!field) return true;
    const FieldRef ref = field->ref(m_format);
    const std::optional<QString> value = text(QLatin1String(section.name), QLatin1String(key.key));
    if (field->kind == FieldKind::CustomColor) {
        // Every slot is set: a missing or unreadable one holds no colour.
        if (!value || !SetFormatField(m_format, *field, *value))
            *std::get<ColorRef*>(ref) = kNoCustomColor;
        return true;
    }
    if (!value) {
        applyDefault(key, ref);
        return true;
    }
    switch (field->kind) {
    case FieldKind::Color: {
        const auto color = ParseColorText(*value);
        if (!color) return false;
        *std::get<ColorRef*>(ref) = *color;
        return true;
    }
    case FieldKind::Text:
        *std::get<QString*>(ref) =
            key.limit == KeyLimit::Face && !listed(*value) ? kWindowFace : *value;
        return true;
    case FieldKind::Int:
    case FieldKind::Index:
    case FieldKind::Bool:
    case FieldKind::CustomColor:
        break;
    }
    const std::optional<int> parsed = ParseIntText(*value);
    if (!parsed) {
        applyDefault(key, ref);
        return true;
    }
    int v = *parsed;
    switch (key.limit) {
    case KeyLimit::Range:
        v = ClampToRange(v, key.lo, key.hi);
        break;
    case KeyLimit::Radio:
        v = RadioIndex(v, key.lo);
        break;
    case KeyLimit::List:
        v = ListIndex(v, key.lo);
        break;
    case KeyLimit::Effects:
        v = LimitEffectIndex(v, m_state.effectItems);
        break;
    case KeyLimit::StyleBits:
        if (v < key.lo || v > key.hi) return false;
        break;
    case KeyLimit::None:
    case KeyLimit::Face:
    case KeyLimit::Deferred:
        break;
    }
    if (field->kind == FieldKind::Bool)
        *std::get<bool*>(ref) = v != 0;
    else
        *std::get<int*>(ref) = v;
    return true;
}

void FormatReader::applyPaper() {
    // A code the printer does not take, or one that is no paper code at all,
    // leaves the paper as it is.
    if (m_paperName >= -32768 && m_paperName <= 32767) m_state.printer().setPaperSize(m_paperName);
    m_format.Paper.Name = m_state.printer().paperSize();
}

bool ReadFormatFile(AppState& state, const QString& path, ReadMode mode) {
    AppState::SuppressRedraw suppress(state);
    const std::optional<IniFile> ini = IniFile::load(path);
    const IniFile empty;
    FormatReader reader(state, ini ? *ini : empty, path, mode);
    const bool result = ini && reader.readAll();
    reader.finish();
    return result;
}

} // namespace zenpa
