#include "commands_fixture.h"

#include "decor/effects_model.h"
#include "decor/line_table.h"
#include "files/program_home.h"
#include "files/safe_save.h"
#include "files/startup.h"

#include <QDir>
#include <QFileInfo>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace zenpa::test {
namespace {

TEST(ProgramHome, IsTheVariableElseAWritableExecutableFolderElseTheConfigFolder) {
    QTemporaryDir exe;
    const QString config = QStringLiteral("/home/u/.config");
    EXPECT_EQ(ChooseProgramHome(QStringLiteral("/srv/zenpa/"), exe.path(), config),
              QStringLiteral("/srv/zenpa"));
    EXPECT_EQ(ChooseProgramHome(QString(), exe.path(), config), exe.path());
    EXPECT_EQ(ChooseProgramHome(QString(), exe.filePath(QStringLiteral("gone")), config),
              QStringLiteral("/home/u/.config/zenpa"));
    EXPECT_EQ(ChooseProgramHome(QString(), QString(), config),
              QStringLiteral("/home/u/.config/zenpa"));

    QTemporaryDir home;
    qputenv("ZENPA_HOME", home.filePath(QStringLiteral("new")).toLocal8Bit());
    EXPECT_EQ(SettingsFile(), home.filePath(QStringLiteral("new/zenpa.ini")));
    EXPECT_TRUE(QFileInfo(home.filePath(QStringLiteral("new"))).isDir());
    qunsetenv("ZENPA_HOME");
}

TEST(StartupFile, ArgumentsAreJoinedWithBlanksIntoOnePath) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("My Files")));
    const QString file = dir.filePath(QStringLiteral("My Files/a.zps"));
    PutBytes(file, "");
    // "/tmp/…/My" and "Files/a.zps": a path that reached the program unquoted.
    const QStringList split = file.split(QLatin1Char(' '));
    ASSERT_EQ(split.size(), 2);

    const StartupFile named = ResolveStartupFile(split, QStringLiteral("/home/zenpa.ini"));
    EXPECT_TRUE(named.commandLine);
    EXPECT_EQ(named.path, file);
    EXPECT_EQ(named.name, QStringLiteral("a.zps"));
    EXPECT_EQ(named.directory, dir.filePath(QStringLiteral("My Files/")));

    const StartupFile settings = ResolveStartupFile({}, QStringLiteral("/home/zenpa.ini"));
    EXPECT_FALSE(settings.commandLine);
    EXPECT_EQ(settings.path, QStringLiteral("/home/zenpa.ini"));

    const StartupFile missing =
        ResolveStartupFile({dir.filePath(QStringLiteral("none.zps"))}, QString());
    EXPECT_EQ(missing.path, dir.filePath(QStringLiteral("none.zps")));
    EXPECT_TRUE(missing.name.isEmpty());

    const QString cwd = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.filePath(QStringLiteral("My Files"))));
    EXPECT_EQ(ResolveStartupFile({QStringLiteral("a.zps")}, QString()).path, file);
    QDir::setCurrent(cwd);
}

using StartupTest = CommandsTest;

TEST_F(StartupTest, AFirstStartHasTheNewDocumentInAWindowOfItsOwnSize) {
    state().printer().select(2);
    EXPECT_TRUE(commands.startUp({}));
    EXPECT_TRUE(state().doc.lines.isEmpty());
    EXPECT_EQ(state().window, (WindowPlace{0, 0, 640, 480, 1}));
    EXPECT_EQ(state().printer().currentIndex(), 0);
    EXPECT_EQ(state().printer().paperSize(), 9);
    EXPECT_EQ(panel, QString());
    EXPECT_FALSE(QFileInfo::exists(settingsFile()));
    EXPECT_TRUE(answers.messages.empty());
}

TEST_F(StartupTest, ShutDownAndStartUpAgainGiveTheSameProgram) {
    const QString doc = makeDocument(QStringLiteral("doc.zps"), {QStringLiteral("x")});
    state().doc.lines = {QStringLiteral("大売出し"), QStringLiteral(" 本日限り ")};
    format().Prop.Set = kAlignRight;
    format().Waku.Waku = true;
    format().Font.OutLine = 55;
    format().Fontuser.Names = {QStringLiteral("IPAMincho")};
    state().printer().select(2);
    format().Printer.Index = 2;
    SetGradationOffered(format(), state().effectItems, true);
    SyncLineTable(state().doc.lines, format(), nullptr);
    state().saveFileName = doc;
    state().openFileName = doc;
    state().window = WindowPlace{30, 40, 700, 500, 1};
    commands.shutDown();
    const std::string before = StateText(state());

    Program next;
    ScriptedInteraction nextAnswers;
    QString nextPanel;
    FileView view;
    view.showFileName = [&](const QString& n) { nextPanel = n; };
    FileCommands restarted(next.state, nextAnswers, next.canvas, settingsFile(), view);
    EXPECT_TRUE(restarted.startUp({}));
    EXPECT_EQ(StateText(next.state), before);
    EXPECT_EQ(nextPanel, QStringLiteral("doc.zps"));
}

TEST_F(StartupTest, AnUnreadableSettingsFileGivesANewDocumentWithoutAWord) {
    writeBytes(settingsFile(), QByteArrayLiteral("[Memo]\nCount=1\n[Line01]\nLine=#x#\n"
                                                 "[Font]\nColor=red\n"));
    EXPECT_FALSE(commands.startUp({}));
    EXPECT_TRUE(answers.messages.empty());
    EXPECT_TRUE(state().doc.lines.isEmpty());
    EXPECT_EQ(format().Prop.Set, kAlignCenter);
}

TEST_F(StartupTest, AFileOnTheCommandLineIsReadInsteadOfTheSettingsFile) {
    writeBytes(settingsFile(), QByteArrayLiteral("[Memo]\nCount=1\n[Line01]\nLine=#settings#\n"));
    const QByteArray settings = readBytes(settingsFile());
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("My Files")));
    const QString doc = path(QStringLiteral("My Files/a.zps"));
    // Written elsewhere: the names it recorded are not this file's.
    writeBytes(doc, QStringLiteral("[File]\nSave=%1\n[Memo]\nCount=1\n[Line01]\nLine=#doc#\n"
                                   "[Form]\nLeft=-5\nTop=20\nWidth=600\nHeight=400\n")
                        .arg(settingsFile())
                        .toUtf8());

    EXPECT_TRUE(commands.startUp(doc.split(QLatin1Char(' '))));
    EXPECT_EQ(state().doc.lines, QStringList{QStringLiteral("doc")});
    EXPECT_EQ(state().window, (WindowPlace{0, 20, 600, 400, 1}));
    EXPECT_EQ(state().saveFileName, doc);
    EXPECT_EQ(panel, QStringLiteral("a.zps"));
    EXPECT_EQ(commands.dialogDirectory(), path(QStringLiteral("My Files")));
    EXPECT_EQ(readBytes(settingsFile()), settings);
}

TEST_F(StartupTest, ANamedFileThatCannotBeReadIsReported) {
    const QString doc = writeText(QStringLiteral("[Memo]\nCount=1\n[Line01]\nLine=#doc#\n"
                                                 "[Font]\nColor=red\n"));
    EXPECT_FALSE(commands.startUp({doc}));
    ASSERT_EQ(answers.messages.size(), 1u);
    EXPECT_TRUE(lastMessage().startsWith(kOpenFailedMessage));
    EXPECT_TRUE(state().doc.lines.isEmpty());
    EXPECT_TRUE(state().saveFileName.isEmpty());

    // A name that names nothing is a new document, no error.
    answers.messages.clear();
    EXPECT_TRUE(commands.startUp({path(QStringLiteral("new.zps"))}));
    EXPECT_TRUE(answers.messages.empty());
}

// Kills a child process at many moments of writing the settings file over
// and over: whenever it dies, the file and its backup each hold one whole
// version, never a torn one.
TEST_F(StartupTest, AKillDuringTheWriteLeavesWholeVersions) {
    state().doc.lines = QStringList(3000, QStringLiteral("大売出し、本日限り。全品半額"));
    commands.shutDown();
    commands.shutDown();
    const QStringList whole = linesOf(settingsFile());
    ASSERT_EQ(whole.size(), 3000);

    for (int attempt = 0; attempt < 12; ++attempt) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (;;)
                commands.shutDown();
        }
        usleep(static_cast<useconds_t>(2000 + attempt * 7000));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        EXPECT_EQ(linesOf(settingsFile()), whole) << attempt;
        EXPECT_EQ(linesOf(BackupPath(settingsFile())), whole) << attempt;
    }
}

} // namespace
} // namespace zenpa::test
