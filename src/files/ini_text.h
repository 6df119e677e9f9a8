#pragma once

// The INI text of format files. Reading: the encoding from the byte-order
// mark (UTF-8, UTF-16 LE or BE), else UTF-8 when the bytes are valid UTF-8
// and Shift_JIS otherwise; lines trimmed of characters up to U+0020; ";"
// comments; "[name]" opens a section; "key=value" split at the first "=".
// Names compare without regard to case; the first section and the first key
// of a name win. Writing: UTF-16 LE with its byte-order mark, CR LF, an empty
// line after each section.

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>

namespace zenpa {

// Files larger than this are not format files; reading them fails rather
// than filling the memory.
inline constexpr qint64 kMaxFormatFileBytes = 64 * 1024 * 1024;

// Sections and keys together: far more than the largest document holds (a
// section of seven keys per text line, one of eight per table row), few
// enough that a hostile file of tiny keys cannot exhaust the memory.
inline constexpr qsizetype kMaxIniEntries = 2500000;

// Removes leading and trailing characters with codes up to 32.
QString TrimControl(const QString& text);

// The text of a file's bytes, decoded as described above.
QString DecodeIniBytes(const QByteArray& bytes);

class IniFile {
public:
    IniFile() = default;

    // Parses decoded text; parsing stops after maxEntries sections and keys.
    static IniFile parse(const QString& text, qsizetype maxEntries = kMaxIniEntries);
    // Reads a file. A missing file reads as an empty one; a file that exists
    // but cannot be read, is too large or has too many entries gives nothing.
    static std::optional<IniFile> load(const QString& path);

    // The trimmed value of a key; nothing when the section or key is missing.
    std::optional<QString> value(const QString& section, const QString& key) const;
    bool hasSection(const QString& section) const;
    // False when parsing stopped at the entry limit.
    bool complete() const { return m_complete; }

private:
    using Keys = QHash<QString, QString>; // case-folded key → value
    QHash<QString, Keys> m_sections;      // case-folded section → keys
    bool m_complete = true;
};

class IniWriter {
public:
    // Opens a section; the previous one gets its closing empty line.
    void section(const QString& name);
    // CR and LF in a value are written as blanks: a value is one line.
    void key(const QString& name, const QString& value);
    void key(const QString& name, int value);

    // UTF-16 LE with the byte-order mark FF FE.
    QByteArray toBytes() const;
    QString text() const;

private:
    QString m_text;
    bool m_open = false;
};

} // namespace zenpa
