#include "text_files.h"

#include "core/document.h"
#include "ini_text.h"

#include <QFile>
#include <QSaveFile>
#include <QStringEncoder>

#include <cerrno>
#include <cstring>

namespace zenpa {

std::optional<QStringList> ReadTextFile(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return std::nullopt;
    }
    if (file.size() > kMaxTextFileBytes) {
        *error = QString::fromLocal8Bit(std::strerror(EFBIG));
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        *error = file.errorString();
        return std::nullopt;
    }
    // Text files follow the same encoding rule as format files.
    return SplitEditorText(DecodeIniBytes(bytes));
}

QByteArray TextFileBytes(const QStringList& lines) {
    QString text;
    for (const QString& line : lines)
        text += line + QStringLiteral("\r\n");
    // The mark is added by hand: an empty text still gets it.
    QStringEncoder utf16(QStringConverter::Utf16LE, QStringConverter::Flag::Stateless);
    return QByteArray("\xFF\xFE", 2) + QByteArray(utf16.encode(text));
}

bool WriteTextFile(const QString& path, const QStringList& lines, QString* error) {
    QSaveFile file(path);
    const QByteArray bytes = TextFileBytes(lines);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace zenpa
