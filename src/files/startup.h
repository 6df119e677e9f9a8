#pragma once

// The file the program starts with: the settings file of the last run, or a
// file named on the command line.

#include <QString>
#include <QStringList>

namespace zenpa {

struct StartupFile {
    QString path;             // the file to read
    bool commandLine = false; // named on the command line
    QString directory;        // a command-line file's folder, ending in "/"
    QString name;             // its name as the file system has it; empty when nothing is there
};

// With no arguments the settings file. Otherwise the arguments joined with
// single blanks name one file, so that a path with blanks that arrived
// unquoted as several arguments is whole again; a relative path is taken
// from the current folder.
StartupFile ResolveStartupFile(const QStringList& arguments, const QString& settingsFile);

} // namespace zenpa
