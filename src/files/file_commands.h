#pragma once

// The file commands on the application state: new, open, save, save as,
// close, delete all, text import and export, dropped files, the format-only
// read, and the start-up read and shut-down write of the settings file.
// Questions and dialogs go through Interaction; what the window shows
// besides the state goes through FileView.

#include "core/app_state.h"
#include "core/canvas.h"
#include "core/interaction.h"
#include "file_view.h"
#include "format_file.h"
#include "snapshot.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace zenpa {

inline const QString kOpenFailedMessage = QStringLiteral("ファイルを開けませんでした！");
inline const QString kSaveFailedMessage = QStringLiteral("ファイルを保存できませんでした！");
inline const QString kReadFailedMessage = QStringLiteral("ファイルを読み込めませんでした！");
inline const QString kAskSaveMessage = QStringLiteral("ファイルに保存しますか");
inline const QString kAskImportMessage = QStringLiteral("全文削除します");
inline const QString kAskDeleteAllMessage = QStringLiteral("全文削除してもよろしいですか？");

// The filter both file dialogs share; entry 1 format files, entry 2 text.
inline const QString kFileFilter = QStringLiteral("書式ﾌｧｲﾙ(*.zps);;ﾃｷｽﾄ(*.txt);;すべて(*)");
inline constexpr int kFormatFilterEntry = 1;
inline constexpr int kTextFilterEntry = 2;

// The program's reset for a new document: the document reset (reset.h), the
// window filling the desktop work area, no remembered file names. Observers
// are told that everything changed.
void ResetProgram(AppState& state);

// The name a new document is proposed to be saved under: its first line
// without the blanks around it, made fit for a file name.
QString ProposedFileName(const QStringList& lines);

class FileCommands {
public:
    // `canvas` is the printer's measuring canvas the format file is written
    // with; `settingsFile` the file of the last run (program_home.h).
    FileCommands(AppState& state, Interaction& ask, Canvas& canvas, QString settingsFile,
                 FileView view = {});

    const QString& settingsFile() const { return m_settingsFile; }
    // The folder the file dialogs start in when the proposed name has none.
    const QString& dialogDirectory() const { return m_dialogDirectory; }
    // Takes a dropped picture (".bmp", ".wmf", ".emf", ".jpg"); without a
    // loader such a drop does nothing.
    void setPictureLoader(std::function<void(const QString&)> load) {
        m_pictureLoader = std::move(load);
    }

    // startup.cpp: the settings file or the file the arguments name, read
    // after the reset (true when read); and the write at every close.
    bool startUp(const QStringList& arguments);
    void shutDown();

    // file_commands.cpp
    void newDocument();
    void open();
    void save();
    void saveAs();
    void closeDocument();
    void deleteAll();

    // text_commands.cpp
    void importText();
    void exportText();
    void dropFiles(const QStringList& paths);

    // format_only.cpp
    void readFormatOnly();

private:
    // Makes `path` the document's file and writes the document there. On
    // failure the error box, and the remembered names stay as they were.
    bool saveTo(const QString& path);
    // Writes the settings file as the snapshot that protects a read.
    void writeSnapshot();
    // Reads a format file over the document after `reset` (when given). On
    // failure the box with `failure`, and the program is put back as
    // `before` holds it. True when the file was read.
    bool readFormat(const QString& file, ReadMode mode, void (*reset)(AppState&),
                    const QString& failure, const StateSnapshot& before);
    // A file dialog proposing the name part of `proposal`, in its folder or,
    // for a bare name, in the folder last used.
    FileDialogSpec dialog(const QString& title, int filterEntry, const QString& suffix,
                          const QString& proposal) const;
    std::optional<QString> askOpen(const FileDialogSpec& request);
    std::optional<QString> askSave(const FileDialogSpec& request);
    // The lines of a text file become the editor's text; the error box on failure.
    bool replaceText(const QString& path);
    // A dropped format file, read over the current document.
    void dropFormatFile(const QString& path);
    // The file-name panel shows the name part of `path`.
    void showFileName(const QString& path);
    void showTextPage();

    AppState& m_state;
    Interaction& m_ask;
    Canvas& m_canvas;
    QString m_settingsFile;
    FileView m_view;
    QString m_dialogDirectory;
    std::function<void(const QString&)> m_pictureLoader;
};

// The error box of a file the system could not read or write: the message
// (when given), the file and the system's description.
QString FileErrorText(const QString& message, const QString& path, const QString& description);

} // namespace zenpa
