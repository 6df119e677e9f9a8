// The window program itself, started as a user would: with a document on the
// command line, ended by the session's SIGTERM, started again.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>

namespace {

// Whether the process has its own handler for SIGTERM yet (the program
// installs it once start-up is over).
bool catchesTermination(qint64 pid) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly)) return false;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("SigCgt:"))
            return (line.mid(7).trimmed().toULongLong(nullptr, 16) >> (SIGTERM - 1)) & 1;
    return false;
}

QString textOf(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    QStringDecoder utf16(QStringConverter::Utf16LE);
    return utf16.decode(f.readAll().mid(2));
}

// Runs the program until it has started, then ends it with SIGTERM.
void runAndTerminate(const QString& home, const QStringList& arguments) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("ZENPA_HOME"), home);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(ZENPA_GUI_PATH), arguments);
    ASSERT_TRUE(p.waitForStarted(30000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return catchesTermination(p.processId()); }, 60000));
    ::kill(static_cast<pid_t>(p.processId()), SIGTERM);
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(p.exitCode(), 0);
}

TEST(GuiProgram, KeepsTheDocumentFromOneRunToTheNext) {
    QTemporaryDir home;
    ASSERT_TRUE(QDir(home.path()).mkpath(QStringLiteral("My Files")));
    const QString doc = home.filePath(QStringLiteral("My Files/a.zps"));
    {
        QFile f(doc);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QStringLiteral("[Memo]\nCount=1\n[Line01]\nLine=# 大売出し #\n[Prop]\nSet=2\n"
                               "[Form]\nLeft=10\nTop=20\nWidth=720\nHeight=580\n")
                    .toUtf8());
    }
    const QString settings = home.filePath(QStringLiteral("zenpa.ini"));

    // The path with a blank arrives as two arguments.
    runAndTerminate(home.path(), doc.split(QLatin1Char(' ')));
    const QString first = textOf(settings);
    for (const char* expected :
         {"Line=# 大売出し #", "Set=2", "Left=10", "Top=20", "Width=720", "Height=580"})
        EXPECT_TRUE(first.contains(QString::fromUtf8(expected))) << expected;
    EXPECT_TRUE(first.contains(QStringLiteral("Save=") + doc));

    runAndTerminate(home.path(), {});
    const QString second = textOf(settings);
    for (const char* expected : {"Line=# 大売出し #", "Set=2", "Left=10", "Top=20", "Width=720"})
        EXPECT_TRUE(second.contains(QString::fromUtf8(expected))) << expected;
    EXPECT_TRUE(textOf(home.filePath(QStringLiteral("zenpa.$$$")))
                    .contains(QStringLiteral("Line=# 大売出し #")));
}

} // namespace
