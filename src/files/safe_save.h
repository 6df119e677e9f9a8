#pragma once

// Replacing a file so that its previous version survives beside it.

#include <QByteArray>
#include <QString>

namespace zenpa {

// The backup name of a file: its extension replaced by ".$$$" ("a.zps" →
// "a.$$$"; a name without an extension gets ".$$$" appended).
QString BackupPath(const QString& path);

// Writes `content` to `path`, keeping the previous content of `path` in its
// backup file. The new content goes to a temporary file in the same folder
// and is flushed to disk first; only then is the previous version copied to
// the backup and the new file renamed into place. On any failure the result
// is false and `path` is as it was. Without a previous version a stale
// backup is removed once the new file is in place. On failure `error`, when
// given, receives the system's description.
bool SaveWithBackup(const QString& path, const QByteArray& content, QString* error = nullptr);

} // namespace zenpa
