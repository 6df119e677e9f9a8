#include "startup.h"

#include "file_commands.h"
#include "format_file.h"

#include <QDir>
#include <QFileInfo>

namespace zenpa {

StartupFile ResolveStartupFile(const QStringList& arguments, const QString& settingsFile) {
    StartupFile file;
    if (arguments.isEmpty()) {
        file.path = settingsFile;
        return file;
    }
    file.commandLine = true;
    const QString joined = QDir::current().absoluteFilePath(arguments.join(QLatin1Char(' ')));
    const QFileInfo info(joined);
    file.directory = info.absolutePath();
    if (!file.directory.endsWith(QLatin1Char('/'))) file.directory += QLatin1Char('/');
    if (info.exists()) file.name = info.fileName();
    // A path that names nothing reads as an empty file: a new document.
    file.path = file.name.isEmpty() ? joined : file.directory + file.name;
    return file;
}

bool FileCommands::startUp(const QStringList& arguments) {
    AppState::SuppressRedraw quiet(m_state);
    ResetProgram(m_state);
    const StartupFile file = ResolveStartupFile(arguments, m_settingsFile);
    if (file.commandLine) m_dialogDirectory = QDir::cleanPath(file.directory);
    const bool read = ReadFormatFile(m_state, file.path, ModeStartup);
    const bool document = file.commandLine && !file.name.isEmpty();
    if (!read) {
        // A settings file that cannot be read gives way to a new document
        // without a word; a document the user named is reported.
        ResetProgram(m_state);
        if (document) m_ask.error(FileErrorText(kOpenFailedMessage, file.path, QString()));
    } else if (document) {
        // The named document is the one Save writes, whatever names it
        // recorded when it was written elsewhere.
        m_state.saveFileName = m_state.openFileName = file.path;
        m_state.notify(kChangeFileNames);
    }
    showFileName(m_state.saveFileName);
    showTextPage();
    return read;
}

void FileCommands::shutDown() {
    // Never asks and never refuses: the document waits in the settings file
    // for the next start. A failed write changes nothing on the disk.
    WriteFormatFile(m_state, m_canvas, m_settingsFile);
}

} // namespace zenpa
