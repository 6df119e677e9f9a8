#include "ini_text.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>

namespace zenpa {

namespace {

QString folded(const QString& name) {
    return name.toCaseFolded();
}

bool startsWith(const QByteArray& b, std::initializer_list<unsigned char> mark) {
    if (b.size() < static_cast<qsizetype>(mark.size())) return false;
    qsizetype i = 0;
    for (unsigned char c : mark)
        if (static_cast<unsigned char>(b[i++]) != c) return false;
    return true;
}

QString decode(QStringConverter::Encoding encoding, QByteArrayView bytes) {
    QStringDecoder d(encoding, QStringConverter::Flag::Stateless);
    return d.decode(bytes);
}

} // namespace

QString TrimControl(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin].unicode() <= 32)
        ++begin;
    while (end > begin && text[end - 1].unicode() <= 32)
        --end;
    return text.mid(begin, end - begin);
}

QString DecodeIniBytes(const QByteArray& bytes) {
    if (startsWith(bytes, {0xEF, 0xBB, 0xBF}))
        return decode(QStringConverter::Utf8, QByteArrayView(bytes).sliced(3));
    if (startsWith(bytes, {0xFF, 0xFE}))
        return decode(QStringConverter::Utf16LE, QByteArrayView(bytes).sliced(2));
    if (startsWith(bytes, {0xFE, 0xFF}))
        return decode(QStringConverter::Utf16BE, QByteArrayView(bytes).sliced(2));
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError()) return text;
    // Files of older installations were written in the Japanese ANSI code page.
    QStringDecoder sjis("Shift_JIS", QStringConverter::Flag::Stateless);
    if (sjis.isValid()) return sjis.decode(bytes);
    return QString::fromLatin1(bytes);
}

IniFile IniFile::parse(const QString& text, qsizetype maxEntries) {
    IniFile ini;
    // The section being filled; adding a section may move the others, but
    // this pointer is taken anew right after every addition.
    Keys* current = nullptr;
    Keys ignored; // keys of a repeated section: the first section of a name wins
    qsizetype entries = 0;
    qsizetype pos = 0;
    while (pos <= text.size()) {
        qsizetype end = pos;
        while (end < text.size() && text[end] != u'\r' && text[end] != u'\n')
            ++end;
        const QString line = TrimControl(QStringView(text).sliced(pos, end - pos).toString());
        // CR LF, CR and LF each end a line.
        pos =
            end + ((end + 1 < text.size() && text[end] == u'\r' && text[end + 1] == u'\n') ? 2 : 1);

        if (line.isEmpty() || line.startsWith(u';')) continue;
        const qsizetype eq = line.indexOf(u'=');
        const bool section = line.startsWith(u'[') && line.endsWith(u']') && line.size() >= 2;
        if ((section || (current && eq >= 0)) && entries == maxEntries) {
            ini.m_complete = false;
            break;
        }
        if (section) {
            const QString name = folded(TrimControl(line.mid(1, line.size() - 2)));
            ++entries;
            if (ini.m_sections.contains(name)) {
                ignored.clear();
                current = &ignored;
            } else {
                current = &ini.m_sections[name];
            }
            continue;
        }
        if (!current || eq < 0) continue;
        const QString key = folded(TrimControl(line.left(eq)));
        if (!current->contains(key)) {
            current->insert(key, TrimControl(line.mid(eq + 1)));
            ++entries;
        }
    }
    return ini;
}

std::optional<IniFile> IniFile::load(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists()) return IniFile{};
    QFile file(path);
    if (info.isDir() || info.size() > kMaxFormatFileBytes || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError || bytes.size() > kMaxFormatFileBytes)
        return std::nullopt;
    IniFile ini = parse(DecodeIniBytes(bytes));
    if (!ini.complete()) return std::nullopt;
    return ini;
}

std::optional<QString> IniFile::value(const QString& section, const QString& key) const {
    const auto s = m_sections.constFind(folded(section));
    if (s == m_sections.constEnd()) return std::nullopt;
    const auto k = s->constFind(folded(key));
    if (k == s->constEnd()) return std::nullopt;
    return *k;
}

bool IniFile::hasSection(const QString& section) const {
    return m_sections.contains(folded(section));
}

void IniWriter::section(const QString& name) {
    if (m_open) m_text += QStringLiteral("\r\n");
    m_text += QLatin1Char('[') + name + QStringLiteral("]\r\n");
    m_open = true;
}

void IniWriter::key(const QString& name, const QString& value) {
    // A line break inside a value (a file name may hold one) would end the
    // line early and let the rest pass for keys of its own.
    QString single = value;
    single.replace(u'\r', u' ').replace(u'\n', u' ');
    m_text += name + QLatin1Char('=') + single + QStringLiteral("\r\n");
}

void IniWriter::key(const QString& name, int value) {
    key(name, QString::number(value));
}

QString IniWriter::text() const {
    return m_open ? m_text + QStringLiteral("\r\n") : m_text;
}

QByteArray IniWriter::toBytes() const {
    QStringEncoder utf16(QStringConverter::Utf16LE);
    return QByteArray("\xFF\xFE", 2) + QByteArray(utf16.encode(text()));
}

} // namespace zenpa
