#include "commands_fixture.h"

#include "files/safe_save.h"

#include <QDir>
#include <QFileInfo>

namespace zenpa::test {
namespace {

TEST(ProposedFileName, IsTheFirstLineTrimmedAndFitForAName) {
    const struct {
        QStringList lines;
        QString name;
    } cases[] = {
        {{"  大売出し  ", "本日限り"}, "大売出し"},
        {{"\t全品　半額　"}, "全品　半額"}, // a full-width blank inside stays
        {{"5/1 セール"}, "5／1 セール"},
        {{"a\x01"
          "b"},
         "ab"},
        {{".."}, ""},
        {{"   "}, ""},
        {{}, ""},
        {{QString(150, u'字')}, QString(100, u'字')},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ProposedFileName(c.lines), c.name) << c.lines.join(u'/').toStdString();
}

using FileCommandsTest = CommandsTest;

TEST_F(FileCommandsTest, SaveOfANewDocumentAsksForANameProposingTheFirstLine) {
    state().doc.lines = {QStringLiteral("  大売出し  "), QStringLiteral("本日限り")};
    const QString target = path(QStringLiteral("大売出し.zps"));
    chooseFile(target);
    commands.save();

    ASSERT_EQ(answers.fileDialogs.size(), 1u);
    const FileDialogSpec& asked = answers.fileDialogs.back();
    EXPECT_EQ(asked.title, QStringLiteral("ファイルの保存"));
    EXPECT_EQ(asked.fileName, QStringLiteral("大売出し"));
    EXPECT_EQ(asked.defaultSuffix, QStringLiteral("zps"));
    EXPECT_EQ(asked.filter, kFileFilter);
    EXPECT_EQ(asked.filterIndex, kFormatFilterEntry);
    EXPECT_EQ(linesOf(target), state().doc.lines);
    EXPECT_EQ(state().saveFileName, target);
    EXPECT_EQ(state().openFileName, QStringLiteral("大売出し.zps"));
    EXPECT_EQ(panel, QStringLiteral("大売出し.zps"));
    EXPECT_TRUE(answers.messages.empty());
    EXPECT_EQ(busy, 0);

    // The next save writes there without asking, and "Save as" proposes it.
    state().doc.lines = {QStringLiteral("二")};
    commands.save();
    EXPECT_EQ(answers.fileDialogs.size(), 1u);
    EXPECT_EQ(linesOf(target), QStringList{QStringLiteral("二")});
    commands.saveAs(); // cancelled
    EXPECT_EQ(answers.fileDialogs.back().fileName, QStringLiteral("大売出し.zps"));
    EXPECT_EQ(QDir::cleanPath(answers.fileDialogs.back().directory), QDir::cleanPath(dir.path()));
    EXPECT_EQ(state().saveFileName, target);
}

TEST_F(FileCommandsTest, OpenThenSaveKeepsTheFormerContentInTheBackup) {
    const QString a = makeDocument(QStringLiteral("a.zps"), {QStringLiteral("first")},
                                   [](Program& p) { p.format().Prop.Set = kAlignRight; });
    state().doc.lines = {QStringLiteral("typed")};
    state().openFileName = QStringLiteral("earlier.zps");
    chooseFile(a);
    commands.open();

    const FileDialogSpec& asked = answers.fileDialogs.back();
    EXPECT_EQ(asked.title, QStringLiteral("ファイルを開く"));
    EXPECT_EQ(asked.fileName, QStringLiteral("earlier.zps"));
    EXPECT_EQ(asked.defaultSuffix, QStringLiteral("zps"));
    EXPECT_EQ(asked.filterIndex, kFormatFilterEntry);
    EXPECT_EQ(state().doc.lines, QStringList{QStringLiteral("first")});
    EXPECT_EQ(format().Prop.Set, kAlignRight);
    EXPECT_EQ(state().saveFileName, a);
    EXPECT_EQ(state().openFileName, a);
    EXPECT_EQ(panel, QStringLiteral("a.zps"));
    EXPECT_GE(textPageShown, 1);
    // The snapshot taken before the dialog holds the document of before.
    EXPECT_EQ(linesOf(settingsFile()), QStringList{QStringLiteral("typed")});

    state().doc.lines = {QStringLiteral("second")};
    commands.save();
    EXPECT_EQ(answers.fileDialogs.size(), 1u);
    EXPECT_EQ(linesOf(a), QStringList{QStringLiteral("second")});
    EXPECT_EQ(linesOf(BackupPath(a)), QStringList{QStringLiteral("first")});
    EXPECT_EQ(state().openFileName, QStringLiteral("a.zps"));
}

TEST_F(FileCommandsTest, OpenRunsTheResetBeforeTheRead) {
    // Keys the file lacks take their new-document values, and the window
    // fills the work area.
    format().Waku.Waku = true;
    state().window = WindowPlace{5, 6, 300, 200, 1};
    chooseFile(writeText(QStringLiteral("[Memo]\nCount=1\n[Line01]\nLine=#x#\n")));
    commands.open();
    EXPECT_FALSE(format().Waku.Waku);
    EXPECT_EQ(state().doc.lines, QStringList{QStringLiteral("x")});
    const QRect area = state().workArea;
    EXPECT_EQ(state().window, (WindowPlace{area.x(), area.y(), area.width(), area.height(), 1}));
}

TEST_F(FileCommandsTest, AFailedOpenLeavesEverythingAsItWas) {
    const QString dirPath = path(QStringLiteral("folder.zps"));
    ASSERT_TRUE(QDir().mkpath(dirPath));
    const QString broken[] = {
        writeText(QStringLiteral("[Memo]\nCount=1\n[Line01]\nLine=#new#\n[Font]\nColor=red\n"),
                  QStringLiteral("red.zps")),
        writeText(QStringLiteral("[Printer]\nIndex=1\n[Font]\nStyle=256\n"),
                  QStringLiteral("style.zps")),
        dirPath, // exists but cannot be read
    };
    state().doc.lines = {QStringLiteral("keep"), QStringLiteral(" me ")};
    format().Waku.Waku = true;
    format().Prop.Bai = 42;
    format().Kakudai.Number = 5; // not stored in files: only memory can restore it
    format().LineFont.Table.row(7)[kColFace] = QStringLiteral("beyond the grid");
    state().printer().select(2);
    state().saveFileName = path(QStringLiteral("mine.zps"));
    state().openFileName = QStringLiteral("mine.zps");
    state().window = WindowPlace{11, 12, 500, 400, 1};
    const std::string before = StateText(state());

    for (const QString& file : broken) {
        answers.messages.clear();
        chooseFile(file);
        commands.open();
        ASSERT_EQ(answers.messages.size(), 1u) << file.toStdString();
        const QStringList box = lastMessage().split(u'\n');
        EXPECT_EQ(box[0], kOpenFailedMessage);
        EXPECT_EQ(box.size(), file == dirPath ? 3 : 2); // the folder: the system says why
        EXPECT_EQ(answers.messages.back().buttons, Buttons::Ok);
        EXPECT_EQ(StateText(state()), before) << file.toStdString();
        EXPECT_EQ(format().LineFont.Table.row(7)[kColFace], QStringLiteral("beyond the grid"));
        EXPECT_FALSE(state().redrawSuppressed());
    }
}

TEST_F(FileCommandsTest, AFailedOpenRestoresEvenWhenTheSnapshotCannotBeWritten) {
    // The settings file is a folder: the snapshot fails, and the settings
    // file's older content must not come back instead of the document.
    ASSERT_TRUE(QDir().mkpath(settingsFile()));
    state().doc.lines = {QStringLiteral("mine")};
    const std::string before = StateText(state());
    chooseFile(writeText(QStringLiteral("[Font]\nColor=red\n")));
    commands.open();
    EXPECT_EQ(StateText(state()), before);
}

TEST_F(FileCommandsTest, ASaveThatFailsSaysWhyAndKeepsTheNames) {
    state().doc.lines = {QStringLiteral("x")};
    state().saveFileName = path(QStringLiteral("mine.zps"));
    state().openFileName = QStringLiteral("mine.zps");
    const QString nowhere = path(QStringLiteral("missing/folder/a.zps"));
    chooseFile(nowhere);
    commands.saveAs();
    const QStringList box = onlyBox();
    ASSERT_EQ(box.size(), 3);
    EXPECT_EQ(box[0], kSaveFailedMessage);
    EXPECT_EQ(box[1], nowhere);
    EXPECT_FALSE(box[2].isEmpty()); // the system's description
    EXPECT_EQ(state().saveFileName, path(QStringLiteral("mine.zps")));
    EXPECT_EQ(state().openFileName, QStringLiteral("mine.zps"));
    EXPECT_EQ(panel, QStringLiteral("(untouched)"));
    EXPECT_FALSE(QFileInfo::exists(nowhere));
}

TEST_F(FileCommandsTest, NewForgetsTheDocumentWithoutAsking) {
    state().doc.lines = {QStringLiteral("x")};
    format().Waku.Waku = true;
    format().Font.OutLine = 33; // kept by a new document
    state().saveFileName = path(QStringLiteral("a.zps"));
    state().openFileName = QStringLiteral("a.zps");
    commands.newDocument();
    EXPECT_TRUE(answers.messages.empty());
    EXPECT_TRUE(state().doc.lines.isEmpty());
    EXPECT_FALSE(format().Waku.Waku);
    EXPECT_EQ(format().Font.OutLine, 33);
    EXPECT_TRUE(state().saveFileName.isEmpty());
    EXPECT_TRUE(state().openFileName.isEmpty());
    EXPECT_EQ(panel, QString());
    EXPECT_EQ(textPageShown, 1);
}

TEST_F(FileCommandsTest, CloseAsksWhetherToSave) {
    const QString named = path(QStringLiteral("named.zps"));
    const QString chosen = path(QStringLiteral("chosen.zps"));
    const QString nowhere = path(QStringLiteral("missing/x.zps"));
    const struct {
        const char* what;
        QString saveName;
        Answer answer;
        std::optional<QString> dialog; // the save dialog's answer, when it is shown
        QString written;               // the file that must hold the text
        bool discarded;
    } cases[] = {
        {"yes, named", named, Answer::Yes, std::nullopt, named, true},
        {"yes, new, name given", "", Answer::Yes, chosen, chosen, true},
        {"yes, new, dialog cancelled", "", Answer::Yes, std::nullopt, "", false},
        {"yes, write fails", nowhere, Answer::Yes, std::nullopt, "", false},
        {"no", named, Answer::No, std::nullopt, "", true},
        {"cancel", named, Answer::Cancel, std::nullopt, "", false},
    };
    for (const auto& c : cases) {
        QFile::remove(named);
        QFile::remove(chosen);
        answers.messages.clear();
        answers.fileDialogs.clear();
        state().doc.lines = {QStringLiteral("text")};
        state().saveFileName = c.saveName;
        answer(c.answer);
        if (c.dialog) answers.files.push_back(c.dialog);
        commands.closeDocument();

        ASSERT_FALSE(answers.messages.empty()) << c.what;
        EXPECT_EQ(answers.messages.front().text, kAskSaveMessage) << c.what;
        if (c.saveName.isEmpty() && c.answer == Answer::Yes) {
            ASSERT_EQ(answers.fileDialogs.size(), 1u) << c.what;
            EXPECT_EQ(answers.fileDialogs[0].title, QStringLiteral("ファイルの保存"));
            EXPECT_EQ(answers.fileDialogs[0].fileName, QString()) << c.what;
        }
        if (!c.written.isEmpty()) {
            EXPECT_EQ(linesOf(c.written), QStringList{QStringLiteral("text")}) << c.what;
        }
        EXPECT_EQ(state().doc.lines.isEmpty(), c.discarded) << c.what;
        if (c.discarded) {
            EXPECT_TRUE(state().saveFileName.isEmpty()) << c.what;
        }
    }
}

TEST_F(FileCommandsTest, DeleteAllEmptiesTheTextAndForgetsTheNamesKeepingTheFormat) {
    state().doc.lines = {QStringLiteral("a"), QStringLiteral("b")};
    format().Waku.Waku = true;
    state().saveFileName = path(QStringLiteral("doc.zps"));
    state().openFileName = QStringLiteral("doc.zps");

    answer(Answer::No);
    commands.deleteAll();
    EXPECT_EQ(state().doc.lines.size(), 2);
    EXPECT_EQ(state().openFileName, QStringLiteral("doc.zps"));
    EXPECT_FALSE(state().redrawSuppressed());

    answer(Answer::Yes);
    commands.deleteAll();
    EXPECT_EQ(lastMessage(), kAskDeleteAllMessage);
    EXPECT_EQ(answers.messages.back().buttons, Buttons::YesNo);
    EXPECT_TRUE(state().doc.lines.isEmpty());
    EXPECT_TRUE(format().Waku.Waku);
    EXPECT_TRUE(state().saveFileName.isEmpty());
    EXPECT_TRUE(state().openFileName.isEmpty());
    EXPECT_EQ(panel, QStringLiteral("doc.zps"));
}

} // namespace
} // namespace zenpa::test
