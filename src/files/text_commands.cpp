// Text import and export, and files dropped on the window.

#include "busy.h"
#include "file_commands.h"
#include "text_files.h"

#include <QFileInfo>

namespace zenpa {

namespace {

const QString kTxt = QStringLiteral("txt");

bool isPicture(const QString& suffix) {
    for (const char* picture : {"bmp", "wmf", "emf", "jpg"})
        if (suffix == QLatin1String(picture)) return true;
    return false;
}

} // namespace

bool FileCommands::replaceText(const QString& path) {
    QString error;
    std::optional<QStringList> lines;
    {
        Busy busy(m_view);
        lines = ReadTextFile(path, &error);
    }
    if (!lines) {
        m_ask.error(FileErrorText(QString(), path, error));
        return false;
    }
    m_state.doc.lines = std::move(*lines);
    m_state.notify(kChangeText);
    return true;
}

void FileCommands::importText() {
    {
        AppState::SuppressRedraw quiet(m_state);
        if (!m_state.doc.lines.isEmpty() &&
            m_ask.message(MessageKind::Warning, kAskImportMessage, Buttons::YesNo) != Answer::Yes)
            return;
        const std::optional<QString> file = askOpen(dialog(
            QStringLiteral("テキストファイルの読み込み"), kTextFilterEntry, kTxt, QString()));
        if (file) replaceText(*file);
        m_state.openFileName = QFileInfo(m_state.openFileName).fileName();
        m_state.notify(kChangeFileNames);
    }
    m_state.requestRedraw();
}

void FileCommands::exportText() {
    const std::optional<QString> file = askSave(
        dialog(QStringLiteral("テキストファイルの保存"), kTextFilterEntry, kTxt, QString()));
    if (!file) return;
    QString error;
    bool written = false;
    {
        Busy busy(m_view);
        written = WriteTextFile(*file, m_state.doc.lines, &error);
    }
    if (!written) {
        m_ask.error(FileErrorText(QString(), *file, error));
        if (m_view.caretToStart) m_view.caretToStart();
    }
}

void FileCommands::dropFiles(const QStringList& paths) {
    if (paths.isEmpty()) return;
    const QString& path = paths.first();
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("zps")) {
        dropFormatFile(path);
    } else if (suffix == kTxt) {
        {
            AppState::SuppressRedraw quiet(m_state);
            replaceText(path);
        }
        m_state.requestRedraw();
    } else if (isPicture(suffix) && m_pictureLoader) {
        m_pictureLoader(path);
    }
}

void FileCommands::dropFormatFile(const QString& path) {
    {
        AppState::SuppressRedraw quiet(m_state);
        // A file that fails half-way is not left half-applied.
        const StateSnapshot before(m_state);
        if (readFormat(path, ModeStartup, nullptr, kOpenFailedMessage, before)) {
            // The dropped document is the one Save writes, whatever names it
            // recorded when it was written elsewhere.
            m_state.saveFileName = m_state.openFileName = QFileInfo(path).absoluteFilePath();
            m_state.notify(kChangeFileNames);
        }
        showFileName(m_state.saveFileName);
        showTextPage();
    }
    m_state.requestRedraw();
}

} // namespace zenpa
