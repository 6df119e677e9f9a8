// The file menu: new, open, close, save, save as, the format-only read, text
// import and export, delete all, exit; files dropped on the window; the
// window's place; the write of the settings file at every close.

#include "file_drop.h"
#include "files/file_commands.h"
#include "files/program_home.h"
#include "main_window.h"
#include "text_page.h"
#include "window_place.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

#include <exception>

namespace zenpa::ui {

namespace {

// No exception leaves an event handler: a command that fails unexpectedly
// says so and leaves the program running.
void runGuarded(Interaction& ask, const std::function<void()>& run) {
    try {
        run();
    } catch (const std::exception& e) {
        ask.error(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        ask.error(QStringLiteral("予期しないエラーが発生しました。"));
    }
}

} // namespace

void MainWindow::setupFileActions() {
    FileView view;
    view.showFileName = [this](const QString& name) { m_status[1]->setText(name); };
    view.showTextPage = [this] { showPage(m_textPage); };
    view.setBusy = [](bool on) {
        if (on)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QApplication::restoreOverrideCursor();
    };
    view.caretToStart = [this] {
        QTextCursor c = m_textPage->editor()->textCursor();
        c.setPosition(0);
        m_textPage->editor()->setTextCursor(c);
    };
    m_files = std::make_unique<FileCommands>(m_state, *m_interaction, m_printerCanvas,
                                             SettingsFile(), std::move(view));

    struct Command {
        const char* names[3];
        void (FileCommands::*run)();
    };
    // "KC1" is captioned "閉じる" but saves.
    const Command commands[] = {
        {{"Mnew", "SBnew", "KN1"}, &FileCommands::newDocument},
        {{"Mopen", "SBopen", "KO1"}, &FileCommands::open},
        {{"Mclose", nullptr, nullptr}, &FileCommands::closeDocument},
        {{"Msave", "SBsave", "KC1"}, &FileCommands::save},
        {{"Msaveas", "SBsaveas", nullptr}, &FileCommands::saveAs},
        {{"Mzpsread", "SBzpsread", "KM1"}, &FileCommands::readFormatOnly},
        {{"MTopen", "SBopen2", "KK1"}, &FileCommands::importText},
        {{"MTsave", "SBsaveas2", "KW1"}, &FileCommands::exportText},
        {{"Mdeleteall", "SBdeleteall", "N18"}, &FileCommands::deleteAll},
    };
    for (const Command& c : commands)
        for (const char* name : c.names)
            if (name)
                wire(name, [this, run = c.run] {
                    runGuarded(*m_interaction, [this, run] { (m_files.get()->*run)(); });
                });

    for (const char* exit : {"Mexit", "KX1", "SBexit"})
        wire(exit, [this] { close(); });
    auto* closeButton = findChild<QPushButton*>(QStringLiteral("Bclose"));
    closeButton->setEnabled(true);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);

    new FileDropFilter(*this, [this](const QStringList& files) {
        runGuarded(*m_interaction, [this, &files] { m_files->dropFiles(files); });
    });
    new WindowPlaceKeeper(*this, m_state);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Never asks, never refuses: the settings file takes the document.
    try {
        m_files->shutDown();
    } catch (...) {
        // The program ends all the same; the previous settings stay on disk.
    }
    event->accept();
}

} // namespace zenpa::ui
