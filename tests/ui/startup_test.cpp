#include "files/file_commands.h"
#include "files/format_file.h"
#include "output/printer_checks.h"
#include "support/scripted_interaction.h"
#include "ui/close_on_signal.h"
#include "ui/splash_window.h"
#include "ui/startup_handler.h"
#include "window_fixture.h"

#include <QDialog>
#include <QFileInfo>
#include <QMenuBar>
#include <QTemporaryDir>

#include <csignal>

namespace zenpa {
namespace {

// Three printers, to show that the one chosen comes back.
class ThreePrinters : public BuiltinPrinterSystem {
public:
    QStringList printerNames() const override { return {"Printer A", "Printer B", "Printer C"}; }
    int currentIndex() const override { return m_index; }
    bool select(int index) override {
        if (index < 0 || index > 2) return false;
        m_index = index;
        return true;
    }

private:
    int m_index = 0;
};

class NoPrinters : public BuiltinPrinterSystem {
public:
    QStringList printerNames() const override { return {}; }
    int currentIndex() const override { return -1; }
};

// One run of the program: the window, its start-up handler, shown.
template <class Printers = ThreePrinters> struct ProgramRun {
    Printers printers;
    AppState state{printers};
    test::ScriptedInteraction answers;
    std::unique_ptr<ui::MainWindow> window;
    bool started = false;

    explicit ProgramRun(const QStringList& arguments = {}) {
        const FontBackend& fonts = FontBackend::instance();
        state.isListedFace = [&fonts](const QString& f) { return fonts.hasFace(f); };
        window = std::make_unique<ui::MainWindow>(state, fonts, &answers);
        started = ui::RunStartupHandler(*window, state, arguments);
        if (!started) return;
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        settle();
    }
    void settle() {
        QApplication::processEvents();
        window->preview()->flush();
    }
    QPlainTextEdit* editor() const { return window->textPage()->editor(); }
};

class StartupTest : public ::testing::Test {
protected:
    void SetUp() override { qputenv("ZENPA_HOME", home.path().toLocal8Bit()); }
    void TearDown() override { qunsetenv("ZENPA_HOME"); }
    QString settingsFile() const { return home.filePath(QStringLiteral("zenpa.ini")); }
    QTemporaryDir home;
};

TEST_F(StartupTest, ClosingAndStartingAgainShowsTheSameTextFormatWindowAndPrinter) {
    const QString sign = home.filePath(QStringLiteral("sign.zps"));
    {
        ProgramRun<> first;
        ASSERT_TRUE(first.started);
        // A first start: a new document in a window of 640 × 480 (or the
        // least the window takes) at the corner.
        EXPECT_EQ(first.window->pos(), QPoint(0, 0));
        EXPECT_EQ(first.window->size(), QSize(640, 480).expandedTo(first.window->minimumSize()));
        EXPECT_TRUE(first.editor()->toPlainText().isEmpty());

        first.editor()->setPlainText(QStringLiteral("大売出し\n 本日限り "));
        first.window->action(QStringLiteral("SBright"))->trigger();
        first.state.printer().select(2);
        first.state.doc.format.Printer.Index = 2;
        first.state.notify(kChangePrinter);
        first.window->move(30, 40);
        first.window->resize(720, 580);
        first.answers.files.push_back(sign);
        first.window->action(QStringLiteral("Msaveas"))->trigger();
        first.settle();
        first.window->action(QStringLiteral("Mexit"))->trigger();
        EXPECT_FALSE(first.window->isVisible());
    }
    ProgramRun<> second;
    ASSERT_TRUE(second.started);
    EXPECT_EQ(second.editor()->toPlainText(), QStringLiteral("大売出し\n 本日限り "));
    EXPECT_EQ(second.state.doc.format.Prop.Set, kAlignRight);
    EXPECT_TRUE(second.window->action(QStringLiteral("SBright"))->isChecked());
    EXPECT_EQ(second.window->pos(), QPoint(30, 40));
    EXPECT_EQ(second.window->size(), QSize(720, 580));
    EXPECT_EQ(second.state.printer().currentIndex(), 2);
    EXPECT_EQ(second.window->menuBar()->actions().last()->text(), QStringLiteral("Printer C"));
    EXPECT_EQ(second.state.saveFileName, sign);
    EXPECT_EQ(second.window->statusText(1), QStringLiteral("sign.zps"));
    EXPECT_TRUE(second.answers.messages.empty());
}

TEST_F(StartupTest, ADocumentOnTheCommandLineIsOpenedInPlaceOfTheSettings) {
    {
        ProgramRun<> first;
        first.editor()->setPlainText(QStringLiteral("settings"));
        first.window->close();
    }
    const QByteArray settings = [&] {
        QFile f(settingsFile());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    ASSERT_FALSE(settings.isEmpty());
    ASSERT_TRUE(QDir(home.path()).mkpath(QStringLiteral("My Files")));
    const QString doc = home.filePath(QStringLiteral("My Files/a.zps"));
    {
        QFile f(doc);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("[Memo]\nCount=1\n[Line01]\nLine=#document#\n[Form]\nLeft=-3\nTop=10\n"
                "Width=730\nHeight=570\n");
    }
    ProgramRun<> named(doc.split(QLatin1Char(' ')));
    EXPECT_EQ(named.editor()->toPlainText(), QStringLiteral("document"));
    EXPECT_EQ(named.window->pos(), QPoint(0, 10));
    EXPECT_EQ(named.window->size(), QSize(730, 570));
    EXPECT_EQ(named.window->statusText(1), QStringLiteral("a.zps"));
    QFile f(settingsFile());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), settings); // untouched until the program ends
}

TEST_F(StartupTest, WithoutAPrinterTheProgramEndsAndWritesNothing) {
    ProgramRun<NoPrinters> run;
    EXPECT_FALSE(run.started);
    ASSERT_EQ(run.answers.messages.size(), 1u);
    EXPECT_EQ(run.answers.messages[0].text, kNoPrinterMessage);
    run.window.reset();
    EXPECT_FALSE(QFileInfo::exists(settingsFile()));
}

TEST_F(StartupTest, TerminationAndInterruptAreCloseRequests) {
    for (const int signal : {SIGTERM, SIGINT}) {
        ProgramRun<> run;
        ui::CloseOnSignal closer(*run.window);
        ASSERT_TRUE(closer.installed());
        run.editor()->setPlainText(QString::number(signal));
        std::raise(signal);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !run.window->isVisible(); }, 5000)) << signal;

        BuiltinPrinterSystem printers;
        AppState read(printers);
        ASSERT_TRUE(ReadFormatFile(read, settingsFile(), ModeOpen));
        EXPECT_EQ(read.doc.lines, QStringList{QString::number(signal)});
    }
}

TEST_F(StartupTest, TheSplashShowsItselfAndStepsAsideForAMessage) {
    auto* splash = new ui::SplashWindow;
    QPointer<ui::SplashWindow> alive(splash);
    splash->showNow();
    EXPECT_EQ(splash->objectName(), QStringLiteral("TForm3"));
    EXPECT_EQ(splash->size(), QSize(300, 240));
    EXPECT_TRUE(splash->isVisible());
    const QImage picture = splash->grab().toImage();
    EXPECT_NE(picture.pixelColor(150, 100), picture.pixelColor(5, 5)); // not a blank card

    QDialog box;
    box.show();
    EXPECT_FALSE(splash->isVisible());
    box.hide();
    splash->finishWhenActive();
    EXPECT_TRUE(QTest::qWaitFor([&] { return alive.isNull(); }, 5000));
}

} // namespace
} // namespace zenpa
