#include "safe_save.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace zenpa {

namespace {

bool fail(QString* error, const QString& description) {
    if (error) *error = description;
    return false;
}

// Copies a file through a temporary file of the target's folder, so that an
// existing target is replaced whole or not at all.
bool copyReplacing(const QString& from, const QString& to, QString* error) {
    QFile in(from);
    if (!in.open(QIODevice::ReadOnly)) return fail(error, in.errorString());
    QSaveFile out(to);
    if (!out.open(QIODevice::WriteOnly)) return fail(error, out.errorString());
    char buffer[64 * 1024];
    for (;;) {
        const qint64 n = in.read(buffer, sizeof buffer);
        if (n < 0) return fail(error, in.errorString()); // QSaveFile discards what it holds
        if (n == 0) break;
        if (out.write(buffer, n) != n) return fail(error, out.errorString());
    }
    return out.commit() || fail(error, out.errorString());
}

} // namespace

QString BackupPath(const QString& path) {
    const QFileInfo info(path);
    const QString name = info.fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const QString base = dot > 0 ? name.left(dot) : name;
    const QString dir = path.left(path.size() - name.size());
    return dir + base + QStringLiteral(".$$$");
}

bool SaveWithBackup(const QString& path, const QByteArray& content, QString* error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return fail(error, file.errorString());
    if (file.write(content) != content.size()) {
        const QString description = file.errorString();
        file.cancelWriting();
        return fail(error, description);
    }
    const QString backup = BackupPath(path);
    const bool hadPrevious = QFileInfo(path).isFile();
    if (hadPrevious && !copyReplacing(path, backup, error)) {
        file.cancelWriting();
        return false;
    }
    // Flushes to disk, then renames over the previous version.
    if (!file.commit()) return fail(error, file.errorString());
    if (!hadPrevious && QFileInfo::exists(backup)) QFile::remove(backup);
    return true;
}

} // namespace zenpa
