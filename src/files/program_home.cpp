#include "program_home.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace zenpa {

QString ChooseProgramHome(const QString& zenpaHome, const QString& executableDir,
                          const QString& configHome) {
    if (!zenpaHome.isEmpty()) return QDir::cleanPath(zenpaHome);
    if (!executableDir.isEmpty()) {
        const QFileInfo dir(executableDir);
        if (dir.isDir() && dir.isWritable()) return QDir::cleanPath(executableDir);
    }
    return QDir::cleanPath(configHome + QStringLiteral("/zenpa"));
}

QString ProgramHome() {
    const QString executableDir =
        QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString();
    const QString home =
        ChooseProgramHome(qEnvironmentVariable("ZENPA_HOME"), executableDir,
                          QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    // A home that cannot be created shows itself later: writes there fail
    // and the program goes on with what it has.
    QDir().mkpath(home);
    return home;
}

QString ProgramFile(const QString& extension) {
    return ProgramHome() + QStringLiteral("/zenpa") + extension;
}

QString SettingsFile() {
    return ProgramFile(QStringLiteral(".ini"));
}

} // namespace zenpa
