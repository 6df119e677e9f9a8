#pragma once

// Runs the zenpa-cli binary of this build and reads what it prints.

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStringList>

namespace zenpa::test {

struct CliResult {
    int exitCode = -1;
    QByteArray out;
    QString err;
    QJsonObject json() const { return QJsonDocument::fromJson(out).object(); }
};

inline CliResult RunCli(const QStringList& args) {
    QProcess p;
    p.setProgram(QStringLiteral(ZENPA_CLI_PATH));
    p.setArguments(args);
    p.start();
    p.waitForFinished(120000);
    CliResult r;
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = p.readAllStandardOutput();
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

} // namespace zenpa::test
