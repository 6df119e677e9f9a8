#pragma once

// The program's home: the folder of the settings file "zenpa.ini", its
// backup "zenpa.$$$" and the settings report "zenpa.inf".

#include <QString>

namespace zenpa {

// The home from its three candidates: `zenpaHome` ($ZENPA_HOME) when not
// empty; else `executableDir` when it is a writable folder; else the folder
// "zenpa" in `configHome` ($XDG_CONFIG_HOME, or ~/.config). Pure: nothing is
// created.
QString ChooseProgramHome(const QString& zenpaHome, const QString& executableDir,
                          const QString& configHome);

// The home of this process, created when missing. The executable's folder
// is known once a QCoreApplication exists.
QString ProgramHome();

// A file of the home: "zenpa" with the given extension (".ini", ".inf").
QString ProgramFile(const QString& extension);

// The settings file: the whole document of the last run.
QString SettingsFile();

} // namespace zenpa
