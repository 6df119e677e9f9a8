// The printing run against a printer whose jobs are recorded: progress,
// cancel, failures and what reaches the page.

#include "core/fake_canvas.h"
#include "core/fixed_printer.h"
#include "core/reset.h"
#include "decor/decorations.h"
#include "output/print_run.h"
#include "support/scripted_interaction.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace zenpa {
namespace {

// What happened to the jobs of a printer, in order.
struct JobLog {
    std::vector<PrintJobRequest> requests;
    QStringList texts;          // lines drawn, in order
    std::vector<int> penWidths; // of every shape drawn
    int ended = 0;
    int aborted = 0;
    bool failOpen = false;
    bool failEnd = false;
    int throwAtText = 0; // throw while drawing this text (1-based), 0 never
};

class LoggingCanvas : public test::FakeCanvas {
public:
    explicit LoggingCanvas(JobLog& log) : m_log(log) {}

protected:
    void drawText(const FontSpec&, int, int, const QString& text) override {
        m_log.texts.push_back(text);
        if (m_log.throwAtText == m_log.texts.size()) throw std::runtime_error("driver gave up");
    }
    void drawShape(Shape, int, int, int, int, int, int) override {
        m_log.penWidths.push_back(pen().width);
    }

private:
    JobLog& m_log;
};

class LoggedJob : public PrintJob {
public:
    explicit LoggedJob(JobLog& log) : m_log(log), m_canvas(log) {}
    Canvas& canvas() override { return m_canvas; }
    bool end() override {
        ++m_log.ended;
        return !m_log.failEnd;
    }
    void abort() override { ++m_log.aborted; }
    QString error() const override { return QStringLiteral("the queue is stopped"); }

private:
    JobLog& m_log;
    LoggingCanvas m_canvas;
};

// A 600 dpi A4 printer; `builtin` makes it the PDF printer that asks for a file.
class LoggedPrinter : public FixedPrinterSystem {
public:
    explicit LoggedPrinter(JobLog& log)
        : FixedPrinterSystem(PageFacts{{600, 600, 4800, 6800, 4961, 7016, 80, 108}, true}) {
        setJobFactory(
            [&log](const PrintJobRequest& r, QString& error) -> std::unique_ptr<PrintJob> {
                log.requests.push_back(r);
                if (log.failOpen) {
                    error = QStringLiteral("no such queue");
                    return nullptr;
                }
                return std::make_unique<LoggedJob>(log);
            });
    }
    bool isBuiltin(int index) const override { return builtin && index == 0; }
    bool builtin = false;
};

// Records what the window was told; cancels at a given poll.
class FakeProgress : public PrintProgress {
public:
    explicit FakeProgress(const test::ScriptedInteraction& ui) : m_ui(ui) {}
    void begin() override { events.push_back(QStringLiteral("begin")); }
    void showLine(const QString& text, int percent) override {
        events.push_back(text + QLatin1Char('@') + QString::number(percent));
    }
    void processEvents() override {
        ++polls;
        if (polls == cancelAtPoll) m_cancel = true;
    }
    bool cancelRequested() const override { return m_cancel; }
    void end() override {
        events.push_back(QStringLiteral("end"));
        messagesAtEnd = m_ui.messages.size();
    }

    QStringList events;
    int polls = 0;
    int cancelAtPoll = 0; // 1: after the picture, 2: after line 1, ...
    std::size_t messagesAtEnd = 99;

private:
    const test::ScriptedInteraction& m_ui;
    bool m_cancel = false;
};

class RedrawCounter : public AppObserver {
public:
    void stateChanged(unsigned changes) override { redraws += (changes & kChangeRedraw) ? 1 : 0; }
    int redraws = 0;
};

class PrintRun : public ::testing::Test {
protected:
    PrintRun() : printer(log), state(printer), progress(ui) {
        ResetDocument(state.doc, printer, state.panel, 96, state.range);
        state.computePrintRange();
        state.addObserver(&redraws);
    }
    ~PrintRun() override { state.removeObserver(&redraws); }

    void lines(int n) {
        state.doc.lines.clear();
        for (int i = 1; i <= n; ++i)
            state.doc.lines.push_back(QStringLiteral("行%1").arg(i));
    }
    void runCommand() { RunPrintCommand(state, decorations, progress, ui); }

    JobLog log;
    LoggedPrinter printer;
    AppState state;
    Decorations decorations;
    test::ScriptedInteraction ui;
    FakeProgress progress;
    RedrawCounter redraws;
};

TEST_F(PrintRun, FiveLinesShowTheirProgressAndPrintOnePage) {
    lines(5);
    state.openFileName = QStringLiteral("/home/u/看板.zps");
    runCommand();
    EXPECT_EQ(progress.events, (QStringList{"begin", "1 / 5 行@20", "2 / 5 行@40", "3 / 5 行@60",
                                            "4 / 5 行@80", "5 / 5 行@100", "end"}));
    EXPECT_EQ(progress.polls, 6); // after the picture and after every line
    EXPECT_EQ(log.texts, state.doc.lines);
    EXPECT_EQ(log.ended, 1);
    EXPECT_EQ(log.aborted, 0);
    ASSERT_EQ(log.requests.size(), 1u);
    EXPECT_EQ(log.requests[0].title, QStringLiteral("ZENPA:看板.zps"));
    EXPECT_TRUE(log.requests[0].outputFile.isEmpty());
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(redraws.redraws, 1);
}

TEST_F(PrintRun, EmptyEditorWarnsAndOpensNoJob) {
    runCommand();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].kind, MessageKind::Warning);
    EXPECT_EQ(ui.messages[0].buttons, Buttons::Yes);
    EXPECT_EQ(ui.messages[0].text, QStringLiteral("テキストがありません！"));
    EXPECT_TRUE(progress.events.isEmpty());
    EXPECT_TRUE(log.requests.empty());
    EXPECT_EQ(PrintDocument(state, decorations, progress, {}).outcome, PrintOutcome::NoText);
    EXPECT_TRUE(log.requests.empty());
}

TEST_F(PrintRun, CancelAbortsAfterTheLineBeingDrawn) {
    // The poll at which the cancel is seen, and the lines drawn by then.
    struct Case {
        int poll;
        int drawn;
    };
    for (const Case c : {Case{1, 0}, Case{2, 1}, Case{3, 2}}) {
        JobLog fresh;
        log = fresh;
        lines(3);
        FakeProgress p(ui);
        p.cancelAtPoll = c.poll;
        const PrintResult r = PrintDocument(state, decorations, p, {});
        EXPECT_EQ(r.outcome, PrintOutcome::Cancelled) << c.poll;
        EXPECT_EQ(log.texts.size(), c.drawn) << c.poll;
        EXPECT_EQ(log.aborted, 1) << c.poll;
        EXPECT_EQ(log.ended, 0) << c.poll;
        EXPECT_EQ(p.events.back(), QStringLiteral("end")) << c.poll;
    }
    EXPECT_TRUE(ui.messages.empty()); // a cancel says nothing
}

TEST_F(PrintRun, FailuresCloseTheJobAndTheWindowBeforeTheMessage) {
    enum Fault { Open, Draw, End };
    for (const Fault fault : {Open, Draw, End}) {
        JobLog fresh;
        log = fresh;
        log.failOpen = fault == Open;
        log.throwAtText = fault == Draw ? 2 : 0;
        log.failEnd = fault == End;
        lines(3);
        test::ScriptedInteraction answers;
        FakeProgress p(answers);
        RunPrintCommand(state, decorations, p, answers);
        ASSERT_EQ(answers.messages.size(), 1u) << fault;
        EXPECT_EQ(answers.messages[0].kind, MessageKind::Error);
        EXPECT_TRUE(
            answers.messages[0].text.startsWith(QStringLiteral("印刷できませんでした。\n")));
        EXPECT_EQ(p.messagesAtEnd, 0u) << fault; // the window was gone before the message
        EXPECT_EQ(p.events.front(), QStringLiteral("begin"));
        EXPECT_EQ(p.events.back(), QStringLiteral("end"));
        EXPECT_EQ(log.ended, fault == End ? 1 : 0) << fault;
        EXPECT_EQ(log.aborted, fault == Draw ? 1 : 0) << fault;
    }
    EXPECT_EQ(log.requests.size(), 1u);
    EXPECT_TRUE(
        PrintDocument(state, decorations, progress, {}).error.contains("the queue is stopped"));
}

TEST_F(PrintRun, BuiltinPrinterAsksWhereThePdfGoes) {
    printer.builtin = true;
    lines(2);
    state.saveFileName = QStringLiteral("/data/signs/看板.zps");
    runCommand(); // the file dialog cancelled: nothing happens
    ASSERT_EQ(ui.fileDialogs.size(), 1u);
    EXPECT_EQ(ui.fileDialogs[0].fileName, QStringLiteral("看板.pdf"));
    EXPECT_EQ(ui.fileDialogs[0].directory, QStringLiteral("/data/signs"));
    EXPECT_EQ(ui.fileDialogs[0].defaultSuffix, QStringLiteral("pdf"));
    EXPECT_TRUE(progress.events.isEmpty());
    EXPECT_TRUE(log.requests.empty());

    ui.files.push_back(QStringLiteral("/tmp/out.pdf"));
    runCommand();
    ASSERT_EQ(log.requests.size(), 1u);
    EXPECT_EQ(log.requests[0].outputFile, QStringLiteral("/tmp/out.pdf"));
    EXPECT_EQ(log.requests[0].title, QStringLiteral("ZENPA:")); // no file was opened
    EXPECT_EQ(log.ended, 1);
}

TEST_F(PrintRun, FramePenWidthIsTruncatedOnThePage) {
    // 0.2 mm at 600 dpi is 4.72 device pixels: 4 on paper (the preview rounds to 5).
    state.doc.format.Waku.Waku = true;
    state.doc.format.Waku.PenWidth = 2;
    lines(1);
    PrintDocument(state, decorations, progress, {});
    ASSERT_FALSE(log.penWidths.empty());
    EXPECT_EQ(log.penWidths[0], 4);
}

TEST(PrintTexts, TitleLineAndPercent) {
    EXPECT_EQ(PrintJobTitle(QString()), QStringLiteral("ZENPA:"));
    EXPECT_EQ(PrintJobTitle(QStringLiteral("/a/b/看板.zps")), QStringLiteral("ZENPA:看板.zps"));
    EXPECT_EQ(PrintLineText(3, 5), QStringLiteral("3 / 5 行"));
    // Round to even: 1/8 is 12.5 → 12, 3/8 is 37.5 → 38.
    EXPECT_EQ(PrintPercent(1, 8), 12);
    EXPECT_EQ(PrintPercent(3, 8), 38);
    EXPECT_EQ(PrintPercent(1, 3), 33);
}

} // namespace
} // namespace zenpa
