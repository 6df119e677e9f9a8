#include "file_commands.h"

#include "busy.h"
#include "core/reset.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace zenpa {

namespace {

// Longer first lines are cut: the proposal is a name, not the line.
constexpr qsizetype kMaxProposedName = 100;

const QString kZps = QStringLiteral("zps");

} // namespace

void ResetProgram(AppState& state) {
    AppState::SuppressRedraw quiet(state);
    ResetDocument(state.doc, state.printer(), state.panel, state.windowDpi, state.range);
    const QRect& area = state.workArea;
    state.window.Left = area.x();
    state.window.Top = area.y();
    state.window.Width = area.width();
    state.window.Height = area.height();
    state.saveFileName.clear();
    state.openFileName.clear();
    state.notify(kChangeAll);
}

QString ProposedFileName(const QStringList& lines) {
    if (lines.isEmpty()) return {};
    // A slash would make the name a path; control characters are no name.
    QString name;
    for (const QChar c : lines.first().trimmed()) {
        if (c == u'/')
            name += u'／';
        else if (c.unicode() >= 32)
            name += c;
    }
    if (name.size() > kMaxProposedName) {
        name.truncate(kMaxProposedName);
        if (name.back().isHighSurrogate()) name.chop(1);
    }
    name = name.trimmed();
    if (name == QStringLiteral(".") || name == QStringLiteral("..")) return {};
    return name;
}

QString FileErrorText(const QString& message, const QString& path, const QString& description) {
    QStringList parts;
    if (!message.isEmpty()) parts << message;
    parts << QDir::toNativeSeparators(path);
    if (!description.isEmpty()) parts << description;
    return parts.join(QLatin1Char('\n'));
}

FileCommands::FileCommands(AppState& state, Interaction& ask, Canvas& canvas, QString settingsFile,
                           FileView view)
    : m_state(state), m_ask(ask), m_canvas(canvas), m_settingsFile(std::move(settingsFile)),
      m_view(std::move(view)) {}

FileDialogSpec FileCommands::dialog(const QString& title, int filterEntry, const QString& suffix,
                                    const QString& proposal) const {
    FileDialogSpec request;
    request.title = title;
    request.filter = kFileFilter;
    request.filterIndex = filterEntry;
    request.defaultSuffix = suffix;
    const QFileInfo info(proposal);
    request.fileName = info.fileName();
    request.directory =
        proposal.contains(QLatin1Char('/')) ? info.absolutePath() : m_dialogDirectory;
    return request;
}

std::optional<QString> FileCommands::askOpen(const FileDialogSpec& request) {
    std::optional<QString> file = m_ask.openFile(request);
    if (file) m_dialogDirectory = QFileInfo(*file).absolutePath();
    return file;
}

std::optional<QString> FileCommands::askSave(const FileDialogSpec& request) {
    std::optional<QString> file = m_ask.saveFile(request);
    if (file) m_dialogDirectory = QFileInfo(*file).absolutePath();
    return file;
}

void FileCommands::showFileName(const QString& path) {
    if (m_view.showFileName) m_view.showFileName(QFileInfo(path).fileName());
}

void FileCommands::showTextPage() {
    if (m_view.showTextPage) m_view.showTextPage();
}

void FileCommands::writeSnapshot() {
    // The snapshot also keeps the document should the program not survive
    // the read; a failed write is no reason to stop the command.
    WriteFormatFile(m_state, m_canvas, m_settingsFile);
}

bool FileCommands::readFormat(const QString& file, ReadMode mode, void (*reset)(AppState&),
                              const QString& failure, const StateSnapshot& before) {
    bool read = false;
    {
        Busy busy(m_view);
        if (reset) reset(m_state);
        read = ReadFormatFile(m_state, file, mode);
    }
    if (!read) {
        // A file the system would not open says why; a file with a broken
        // value has no more to say.
        QFile probe(file);
        const QString why = probe.open(QIODevice::ReadOnly) ? QString() : probe.errorString();
        m_ask.error(FileErrorText(failure, file, why));
        before.restore(m_state);
    }
    return read;
}

bool FileCommands::saveTo(const QString& path) {
    const QString before = m_state.saveFileName;
    // The file records its own name, so the name is set before the write.
    m_state.saveFileName = QFileInfo(path).absoluteFilePath();
    QString error;
    bool written = false;
    {
        Busy busy(m_view);
        written = WriteFormatFile(m_state, m_canvas, m_state.saveFileName, &error);
    }
    if (!written) {
        m_state.saveFileName = before;
        m_ask.error(FileErrorText(kSaveFailedMessage, path, error));
        return false;
    }
    m_state.openFileName = QFileInfo(m_state.saveFileName).fileName();
    m_state.notify(kChangeFileNames);
    showFileName(m_state.saveFileName);
    return true;
}

void FileCommands::newDocument() {
    {
        AppState::SuppressRedraw quiet(m_state);
        ResetProgram(m_state);
        showFileName(QString());
        showTextPage();
    }
    m_state.requestRedraw();
}

void FileCommands::open() {
    {
        AppState::SuppressRedraw quiet(m_state);
        writeSnapshot();
        const StateSnapshot before(m_state);
        const std::optional<QString> file = askOpen(dialog(
            QStringLiteral("ファイルを開く"), kFormatFilterEntry, kZps, m_state.openFileName));
        if (file) readFormat(*file, ModeOpen, ResetProgram, kOpenFailedMessage, before);
        showFileName(m_state.openFileName);
        showTextPage();
    }
    m_state.requestRedraw();
}

void FileCommands::save() {
    if (m_state.saveFileName.isEmpty())
        saveAs();
    else
        saveTo(m_state.saveFileName);
}

void FileCommands::saveAs() {
    const QString proposal =
        m_state.saveFileName.isEmpty() ? ProposedFileName(m_state.doc.lines) : m_state.saveFileName;
    const std::optional<QString> file =
        askSave(dialog(QStringLiteral("ファイルの保存"), kFormatFilterEntry, kZps, proposal));
    if (file) saveTo(*file);
}

void FileCommands::closeDocument() {
    // Cancel, or a save that did not happen, keeps the document: nothing is
    // thrown away that the user asked to keep.
    const Answer answer =
        m_ask.message(MessageKind::Warning, kAskSaveMessage, Buttons::YesNoCancel);
    if (answer == Answer::Cancel) return;
    if (answer == Answer::Yes) {
        QString path = m_state.saveFileName;
        if (path.isEmpty()) {
            const std::optional<QString> file = askSave(
                dialog(QStringLiteral("ファイルの保存"), kFormatFilterEntry, kZps, QString()));
            if (!file) return;
            path = *file;
        }
        if (!saveTo(path)) return;
    }
    newDocument();
}

void FileCommands::deleteAll() {
    {
        AppState::SuppressRedraw quiet(m_state);
        if (m_ask.message(MessageKind::Warning, kAskDeleteAllMessage, Buttons::YesNo) !=
            Answer::Yes)
            return;
        m_state.doc.lines.clear();
        showFileName(m_state.openFileName);
        // The next save asks for a name.
        m_state.saveFileName.clear();
        m_state.openFileName.clear();
        m_state.notify(kChangeText | kChangeFileNames);
    }
    m_state.requestRedraw();
}

} // namespace zenpa
