#pragma once

// Plain text files: the editor's lines, without any format.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace zenpa {

// Text files larger than this are refused: the editor is for a few lines.
inline constexpr qint64 kMaxTextFileBytes = 64 * 1024 * 1024;

// The lines of a text file. The encoding comes from the byte-order mark
// (UTF-8, UTF-16 LE or BE); without one the bytes are UTF-8 when they are
// valid UTF-8 and Shift_JIS otherwise. CR LF, a lone LF and a lone CR each
// end a line; a break at the very end adds no line. Nothing, with the
// system's description in `error`, when the file cannot be read.
std::optional<QStringList> ReadTextFile(const QString& path, QString* error);

// UTF-16 LE with the byte-order mark FF FE, every line (the last one too)
// followed by CR LF.
QByteArray TextFileBytes(const QStringList& lines);

// Writes the lines as TextFileBytes gives them. The file is replaced whole:
// the text goes to a temporary file that is renamed into place, so a crash
// leaves the previous version. False, with the system's description in
// `error`, when the file could not be written.
bool WriteTextFile(const QString& path, const QStringList& lines, QString* error);

} // namespace zenpa
