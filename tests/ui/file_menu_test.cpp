#include "files/file_commands.h"
#include "files/format_file.h"
#include "window_fixture.h"

#include <QFile>
#include <QMimeData>
#include <QPushButton>
#include <QStringEncoder>
#include <QTabWidget>
#include <QUrl>

namespace zenpa {
namespace {

using test::WindowTest;

class FileMenuTest : public WindowTest {
protected:
    QString homeFile(const char* name) const { return home.filePath(QString::fromUtf8(name)); }

    void put(const QString& path, const QByteArray& bytes) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    void dropOnEditor(const QStringList& files) {
        QMimeData data;
        QList<QUrl> urls;
        for (const QString& f : files)
            urls << QUrl::fromLocalFile(f);
        data.setUrls(urls);
        data.setText(files.join(QLatin1Char('\n')));
        QWidget* target = editor()->viewport();
        const QPointF at(10, 10);
        QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
        settle();
    }
};

// Every menu item, tool button and popup item of the file commands runs its
// command: each one's first question or dialog tells which.
TEST_F(FileMenuTest, EveryControlRunsItsCommand) {
    const struct {
        std::vector<const char*> names;
        QString asked; // the title of the file dialog, or the text of the question
    } commands[] = {
        {{"Mopen", "SBopen", "KO1"}, "ファイルを開く"},
        {{"Msave", "SBsave", "KC1", "Msaveas", "SBsaveas"}, "ファイルの保存"},
        {{"Mzpsread", "SBzpsread", "KM1"}, "書式のみ読み込み"},
        {{"MTopen", "SBopen2", "KK1"}, kAskImportMessage},
        {{"MTsave", "SBsaveas2", "KW1"}, "テキストファイルの保存"},
        {{"Mdeleteall", "SBdeleteall", "N18"}, kAskDeleteAllMessage},
        {{"Mclose"}, kAskSaveMessage},
    };
    editor()->setPlainText(QStringLiteral("text"));
    for (const auto& c : commands) {
        for (const char* name : c.names) {
            answers.messages.clear();
            answers.fileDialogs.clear();
            answers.answers = {Answer::No, Answer::No};
            trigger(name);
            const QString asked = !answers.messages.empty()      ? answers.messages[0].text
                                  : !answers.fileDialogs.empty() ? answers.fileDialogs[0].title
                                                                 : QString();
            EXPECT_EQ(asked, c.asked) << name;
        }
    }
    answers.answers.clear();
    // Close answered No, then New from each of its controls: the text goes.
    EXPECT_TRUE(editor()->toPlainText().isEmpty());
    for (const char* name : {"Mnew", "SBnew", "KN1"}) {
        editor()->setPlainText(QStringLiteral("text"));
        trigger(name);
        EXPECT_TRUE(editor()->toPlainText().isEmpty()) << name;
    }
    EXPECT_EQ(action("Mopen")->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
    EXPECT_EQ(action("Msave")->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
}

TEST_F(FileMenuTest, SaveAsShowsTheNameAndOpenBringsTheTextBack) {
    editor()->setPlainText(QStringLiteral("  大売出し  \n本日限り"));
    window->pages()->setCurrentIndex(3);
    const QString file = homeFile("大売出し.zps");
    answers.files.push_back(file);
    trigger("Msaveas");
    EXPECT_EQ(answers.fileDialogs.back().fileName, QStringLiteral("大売出し"));
    EXPECT_EQ(window->statusText(1), QStringLiteral("大売出し.zps"));

    trigger("Mnew");
    EXPECT_EQ(window->statusText(1), QString());
    EXPECT_TRUE(editor()->toPlainText().isEmpty());

    answers.files.push_back(file);
    trigger("KO1");
    EXPECT_EQ(editor()->toPlainText(), QStringLiteral("  大売出し  \n本日限り"));
    EXPECT_EQ(window->statusText(1), QStringLiteral("大売出し.zps"));
    EXPECT_EQ(window->currentPage(), window->textPage());

    // A file that fails to open leaves the editor and the panel alone.
    const QString bad = homeFile("bad.zps");
    put(bad, "[Font]\nColor=red\n");
    answers.files.push_back(bad);
    trigger("Mopen");
    EXPECT_TRUE(answers.messages.back().text.startsWith(kOpenFailedMessage));
    EXPECT_EQ(editor()->toPlainText(), QStringLiteral("  大売出し  \n本日限り"));
    EXPECT_EQ(state.saveFileName, file);
}

TEST_F(FileMenuTest, FilesDroppedOnTheEditorAreTakenNotPasted) {
    editor()->setPlainText(QStringLiteral("mine"));
    const QString notes = homeFile("notes.TXT");
    QStringEncoder sjis("Shift_JIS");
    put(notes, sjis.encode(QStringLiteral("大売出し\r\n本日限り\r\n")));
    const QString jpeg = homeFile("x.jpeg");
    put(jpeg, "?");

    dropOnEditor({jpeg});
    EXPECT_EQ(editor()->toPlainText(), QStringLiteral("mine"));
    dropOnEditor({notes});
    EXPECT_TRUE(answers.messages.empty());
    EXPECT_EQ(editor()->toPlainText(), QStringLiteral("大売出し\n本日限り"));
    EXPECT_EQ(state.doc.lines, (QStringList{"大売出し", "本日限り"}));
}

TEST_F(FileMenuTest, TheWindowFollowsTheStateAndTheStateTheWindow) {
    window->move(12, 34);
    window->resize(720, 580);
    settle();
    EXPECT_EQ(state.window, (WindowPlace{12, 34, 720, 580, 1}));

    state.workArea = QRect(0, 0, 780, 590);
    trigger("Mnew"); // a new document fills the work area
    EXPECT_EQ(window->pos(), QPoint(0, 0));
    EXPECT_EQ(window->size(), QSize(780, 590));
}

TEST_F(FileMenuTest, EveryCloseRequestWritesTheSettingsFileWithoutAsking) {
    const auto settingsLines = [this] {
        BuiltinPrinterSystem printers;
        AppState read(printers);
        EXPECT_TRUE(ReadFormatFile(read, homeFile("zenpa.ini"), ModeOpen));
        return read.doc.lines;
    };
    for (const char* exit : {"Mexit", "KX1", "SBexit"}) {
        window->show();
        editor()->setPlainText(QLatin1String(exit));
        trigger(exit);
        EXPECT_FALSE(window->isVisible()) << exit;
        EXPECT_EQ(settingsLines(), QStringList{QLatin1String(exit)});
    }
    window->show();
    editor()->setPlainText(QStringLiteral("Bclose"));
    QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("Bclose")), Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(settingsLines(), QStringList{QStringLiteral("Bclose")});
    window->show();
    editor()->setPlainText(QStringLiteral("close box"));
    EXPECT_TRUE(window->close());
    EXPECT_EQ(settingsLines(), QStringList{QStringLiteral("close box")});
    EXPECT_TRUE(answers.messages.empty());
}

} // namespace
} // namespace zenpa
