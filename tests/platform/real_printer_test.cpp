// The system's printers through Qt over CUPS, on the cups-pdf queue of the
// test run: the list, the queue's page facts and paper, and jobs that print,
// that are cancelled and that the queue refuses.

#include "core/reset.h"
#include "decor/decorations.h"
#include "output/print_run.h"
#include "platform/font_backend.h"
#include "platform/qt_printer_system.h"
#include "support/test_printer.h"

#include <gtest/gtest.h>

namespace zenpa {
namespace {

class RealPrinter : public ::testing::Test {
protected:
    void SetUp() override {
        queue = test::RequireTestQueue();
        if (!queue) GTEST_SKIP() << "(failed above)";
        index = printers.printerNames().indexOf(queue->name);
        ASSERT_GE(index, 0) << "the queue is not among the system's printers";
        ASSERT_TRUE(printers.select(index));
        test::ClearQueueOutput(*queue);
    }

    std::optional<test::TestQueue> queue;
    QtPrinterSystem printers{FontBackend::instance()};
    int index = -1;
};

// Cancels once the first line has been drawn.
class CancelAfterFirstLine : public PrintProgress {
public:
    void begin() override {}
    void showLine(const QString& text, int) override { lines.push_back(text); }
    void processEvents() override { m_cancel = !lines.isEmpty(); }
    bool cancelRequested() const override { return m_cancel; }
    void end() override {}
    QStringList lines;

private:
    bool m_cancel = false;
};

class NeverCancel : public CancelAfterFirstLine {
public:
    void processEvents() override {}
};

TEST_F(RealPrinter, QueueComesBeforeTheBuiltinPrinterWithItsOwnPage) {
    const QStringList names = printers.printerNames();
    EXPECT_EQ(names.last(), QStringLiteral("PDFファイル"));
    EXPECT_TRUE(printers.isBuiltin(names.size() - 1));
    EXPECT_FALSE(printers.isBuiltin(index));
    EXPECT_EQ(printers.currentName(), queue->name);
    EXPECT_FALSE(printers.select(names.size()));
    EXPECT_EQ(printers.currentIndex(), index);

    // The queue's default resolution, A4 with unprintable margins.
    EXPECT_EQ(printers.resolution(), 300);
    EXPECT_EQ(printers.paperSize(), 9);
    const PageGeometry a4 = printers.pageFacts().page;
    EXPECT_EQ(a4.PixX, 300);
    EXPECT_NEAR(a4.SizeX, 2480, 2);
    EXPECT_NEAR(a4.SizeY, 3508, 2);
    EXPECT_GT(a4.OffsetX, 0);
    EXPECT_EQ(a4.OffsetX + a4.Width + a4.OffsetX, a4.SizeX); // margins of the queue's A4
    printers.setLandscape(true);
    const PageGeometry turned = printers.pageFacts().page;
    EXPECT_EQ(turned.SizeX, a4.SizeY);
    EXPECT_EQ(turned.Width, a4.Height);
    printers.setLandscape(false);

    // No paper code 40000: refused, nothing changed. A5 is taken.
    EXPECT_FALSE(printers.setPaperSize(40000));
    EXPECT_FALSE(printers.setPaperSize(0));
    EXPECT_EQ(printers.paperSize(), 9);
    EXPECT_EQ(printers.pageFacts().page, a4);
    ASSERT_TRUE(printers.setPaperSize(11));
    EXPECT_EQ(printers.paperSize(), 11);
    EXPECT_NEAR(printers.pageFacts().page.SizeX, 1748, 2);

    // Switching to the built-in printer and back.
    ASSERT_TRUE(printers.select(names.size() - 1));
    EXPECT_EQ(printers.pageFacts().page.PixY, 600);
    ASSERT_TRUE(printers.select(index));
    EXPECT_EQ(printers.pageFacts().page.PixY, 300);
}

TEST_F(RealPrinter, PrintedReachesTheQueueCancelledNever) {
    AppState state(printers);
    ResetDocument(state.doc, printers, state.panel, 96, state.range);
    state.doc.lines = {QStringLiteral("一"), QStringLiteral("二"), QStringLiteral("三")};
    state.computePrintRange();
    Decorations decorations;
    const int jobsBefore = test::QueueJobCount(*queue);

    CancelAfterFirstLine cancel;
    EXPECT_EQ(PrintDocument(state, decorations, cancel, {QStringLiteral("ZENPA:"), {}}).outcome,
              PrintOutcome::Cancelled);
    EXPECT_EQ(cancel.lines, QStringList{QStringLiteral("1 / 3 行")});
    // The spooler never saw the cancelled job.
    EXPECT_EQ(test::QueueJobCount(*queue), jobsBefore);

    NeverCancel all;
    EXPECT_EQ(PrintDocument(state, decorations, all, {QStringLiteral("ZENPA:"), {}}).outcome,
              PrintOutcome::Printed);
    const QStringList pdfs = test::WaitForQueue(*queue);
    EXPECT_EQ(test::QueueJobCount(*queue), jobsBefore + 1);
    ASSERT_EQ(pdfs.size(), 1);
    // The landscape sign is turned onto the queue's paper; its text is all there.
    const QString text = test::PdfText(pdfs.first());
    EXPECT_EQ(text.size(), 3) << text.toStdString();
    for (const QString& line : state.doc.lines)
        EXPECT_TRUE(text.contains(line)) << text.toStdString();
}

TEST_F(RealPrinter, QueueThatRefusesJobsIsReported) {
    ASSERT_EQ(test::RunTool(QStringLiteral("cupsreject"), {queue->name}).exitCode, 0);
    QString error;
    auto job = printers.beginJob({QStringLiteral("ZENPA:"), {}}, error);
    ASSERT_TRUE(job) << error.toStdString();
    job->canvas().setFontHeight(100);
    job->canvas().textOut(10, 10, QStringLiteral("x"));
    const bool ended = job->end();
    test::RunTool(QStringLiteral("cupsaccept"), {queue->name});
    EXPECT_FALSE(ended);
    EXPECT_TRUE(job->error().contains(queue->name)) << job->error().toStdString();
    EXPECT_TRUE(test::QueueOutput(*queue).isEmpty());
}

} // namespace
} // namespace zenpa
