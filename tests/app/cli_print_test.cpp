// zenpa-cli printers and print on a real CUPS queue (cups-pdf) and on the
// built-in PDF printer: the PDF that comes out is read back with poppler and
// every line's ink is found where zenpa-cli layout puts the line.

#include "cli_runner.h"
#include "platform/ink.h"
#include "support/test_printer.h"

#include <QJsonArray>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace zenpa {
namespace {

using test::RunCli;

constexpr int kTolerance = 3; // device pixels

QJsonArray printersJson(const QStringList& extra = {}) {
    const auto r = RunCli(QStringList{"printers"} + extra);
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    return QJsonDocument::fromJson(r.out).array();
}

QJsonObject entryNamed(const QJsonArray& printers, const QString& name) {
    for (const QJsonValue& p : printers)
        if (p[QStringLiteral("name")].toString() == name) return p.toObject();
    return {};
}

// The ink of each laid-out line in a picture of the whole sheet: the ink of
// the band between the line's neighbours, and the line's cell on the sheet.
struct LineInk {
    QRect ink;
    QRect cell;
};

std::vector<LineInk> lineInks(const QImage& sheet, const QJsonObject& layout, QPoint origin) {
    const QJsonArray lines = layout[QStringLiteral("lines")].toArray();
    std::vector<QRect> cells;
    for (const QJsonValue& l : lines)
        cells.emplace_back(l[QStringLiteral("X")].toInt() + origin.x(),
                           l[QStringLiteral("Y")].toInt() + origin.y(),
                           l[QStringLiteral("Width")].toInt(), l[QStringLiteral("Height")].toInt());
    std::vector<LineInk> out;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const int top = i == 0 ? 0 : (cells[i - 1].bottom() + cells[i].top()) / 2;
        const int bottom =
            i + 1 == cells.size() ? sheet.height() : (cells[i].bottom() + cells[i + 1].top()) / 2;
        out.push_back({test::InkBox(sheet, QRect(0, top, sheet.width(), bottom - top)), cells[i]});
    }
    return out;
}

// Every line's ink lies in its cell, and where the program's own page image
// of the same layout has it.
void expectInkWhereLaidOut(const QImage& printed, const QImage& reference,
                           const QJsonObject& layout) {
    const QJsonObject page = layout[QStringLiteral("page")].toObject();
    const QPoint offset(page[QStringLiteral("OffsetX")].toInt(),
                        page[QStringLiteral("OffsetY")].toInt());
    const std::vector<LineInk> onPaper = lineInks(printed, layout, offset);
    const std::vector<LineInk> drawn = lineInks(reference, layout, QPoint(0, 0));
    ASSERT_EQ(onPaper.size(), drawn.size());
    ASSERT_FALSE(onPaper.empty());
    for (std::size_t i = 0; i < onPaper.size(); ++i) {
        const QRect& ink = onPaper[i].ink;
        ASSERT_FALSE(ink.isNull()) << "line " << i + 1 << " left no ink";
        const QRect cell =
            onPaper[i].cell.adjusted(-kTolerance, -kTolerance, kTolerance, kTolerance);
        EXPECT_TRUE(cell.contains(ink)) << "line " << i + 1;
        const QRect ref = drawn[i].ink.translated(offset);
        EXPECT_NEAR(ink.left(), ref.left(), kTolerance) << "line " << i + 1;
        EXPECT_NEAR(ink.right(), ref.right(), kTolerance) << "line " << i + 1;
        EXPECT_NEAR(ink.top(), ref.top(), kTolerance) << "line " << i + 1;
        EXPECT_NEAR(ink.bottom(), ref.bottom(), kTolerance) << "line " << i + 1;
    }
}

// Prints the sign and returns the layout and the program's page image of it.
struct Expected {
    QJsonObject layout;
    QImage page;
};

Expected laidOut(const QStringList& doc, const QString& scratch) {
    Expected e;
    const auto layout = RunCli(QStringList{"layout"} + doc);
    EXPECT_EQ(layout.exitCode, 0) << layout.err.toStdString();
    e.layout = layout.json();
    const QString png = QDir(scratch).filePath(QStringLiteral("reference.png"));
    const auto render =
        RunCli(QStringList{"render"} + doc + QStringList{"--target", "page", "-o", png});
    EXPECT_EQ(render.exitCode, 0) << render.err.toStdString();
    e.page = QImage(png);
    return e;
}

const QStringList kSign{"--line", "大売出し", "--line", "本日限り ABC"};

TEST(CliPrinters, TheQueueThenTheBuiltinPrinter) {
    const auto queue = test::RequireTestQueue();
    if (!queue) return;
    const QJsonArray all = printersJson();
    ASSERT_GE(all.size(), 2);
    const QJsonObject last = all.last().toObject();
    EXPECT_EQ(last[QStringLiteral("name")].toString(), QStringLiteral("PDFファイル"));
    EXPECT_TRUE(last[QStringLiteral("builtin")].toBool());
    EXPECT_EQ(last[QStringLiteral("index")].toInt(), all.size() - 1);
    EXPECT_EQ(last[QStringLiteral("portrait")][QStringLiteral("SizeX")].toInt(), 4961);
    EXPECT_EQ(last[QStringLiteral("landscape")][QStringLiteral("SizeX")].toInt(), 7016);

    const QJsonObject q = entryNamed(all, queue->name);
    ASSERT_FALSE(q.isEmpty());
    EXPECT_FALSE(q[QStringLiteral("builtin")].toBool());
    EXPECT_EQ(q[QStringLiteral("paperCode")].toInt(), 9);
    EXPECT_EQ(q[QStringLiteral("paperLabel")].toString(), QStringLiteral("A4 210x297"));
    // The queue's own default resolution, and its unprintable margins.
    const QJsonObject portrait = q[QStringLiteral("portrait")].toObject();
    const QJsonObject landscape = q[QStringLiteral("landscape")].toObject();
    EXPECT_EQ(portrait[QStringLiteral("PixY")].toInt(), 300);
    EXPECT_NEAR(portrait[QStringLiteral("SizeX")].toInt(), 2480, 2);
    EXPECT_NEAR(portrait[QStringLiteral("SizeY")].toInt(), 3508, 2);
    EXPECT_GT(portrait[QStringLiteral("OffsetX")].toInt(), 0);
    EXPECT_LT(portrait[QStringLiteral("Width")].toInt(), portrait[QStringLiteral("SizeX")].toInt());
    EXPECT_EQ(landscape[QStringLiteral("SizeX")], portrait[QStringLiteral("SizeY")]);
    EXPECT_EQ(landscape[QStringLiteral("Width")], portrait[QStringLiteral("Height")]);

    // A5 is taken; 40000 is no paper size code and changes nothing.
    const QJsonObject a5 = entryNamed(printersJson({"--paper", "11"}), queue->name);
    EXPECT_TRUE(a5[QStringLiteral("paperSet")].toBool());
    EXPECT_EQ(a5[QStringLiteral("paperLabel")].toString(), QStringLiteral("A5 148x210"));
    EXPECT_NEAR(a5[QStringLiteral("portrait")][QStringLiteral("SizeX")].toInt(), 1748, 2);
    const auto refused = RunCli({"printers", "--paper", "40000"});
    EXPECT_EQ(refused.exitCode, 0);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("does not take paper size 40000")));
    const QJsonObject same = entryNamed(QJsonDocument::fromJson(refused.out).array(), queue->name);
    EXPECT_FALSE(same[QStringLiteral("paperSet")].toBool());
    EXPECT_EQ(same[QStringLiteral("paperCode")].toInt(), 9);
    EXPECT_EQ(same[QStringLiteral("portrait")], q[QStringLiteral("portrait")]);
}

TEST(CliPrint, TwoLinesThroughTheCupsQueue) {
    const auto queue = test::RequireTestQueue();
    if (!queue) return;
    QTemporaryDir scratch;
    test::ClearQueueOutput(*queue);
    // A5 portrait: the paper asked for, not the queue's A4.
    const QStringList doc =
        kSign + QStringList{"--printer",     queue->name, "--set",
                            "Paper.Name=11", "--set",     "Printer.Orientation=0"};
    const auto printed =
        RunCli(QStringList{"print"} + doc + QStringList{"--title", "ZENPA:看板.zps"});
    ASSERT_EQ(printed.exitCode, 0) << printed.err.toStdString();
    const QStringList pdfs = test::WaitForQueue(*queue);
    ASSERT_EQ(pdfs.size(), 1) << "cups-pdf wrote " << pdfs.join(' ').toStdString();
    const QString pdf = pdfs.first();
    EXPECT_EQ(test::PdfInfo(pdf, QStringLiteral("Pages")), QStringLiteral("1"));
    const QSizeF size = test::PdfPageSize(pdf);
    EXPECT_NEAR(size.width(), 420, 1.5); // A5 in points
    EXPECT_NEAR(size.height(), 595, 1.5);
    const QString text = test::PdfText(pdf);
    EXPECT_TRUE(text.contains(QStringLiteral("大売出し"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("本日限りABC"))) << text.toStdString();

    const Expected e = laidOut(doc, scratch.path());
    EXPECT_EQ(e.layout[QStringLiteral("page")][QStringLiteral("PixY")].toInt(), 300);
    const QImage paper = test::PdfPage(pdf, 300, scratch.path());
    ASSERT_FALSE(paper.isNull());
    expectInkWhereLaidOut(paper, e.page, e.layout);
}

TEST(CliPrint, LandscapeSignComesOutOnTheQueuesPaper) {
    const auto queue = test::RequireTestQueue();
    if (!queue) return;
    test::ClearQueueOutput(*queue);
    const auto printed =
        RunCli(QStringList{"print"} + kSign + QStringList{"--printer", queue->name});
    ASSERT_EQ(printed.exitCode, 0) << printed.err.toStdString();
    const QStringList pdfs = test::WaitForQueue(*queue);
    ASSERT_EQ(pdfs.size(), 1);
    // The sheet is A4 however it is turned; the text is all there.
    EXPECT_EQ(test::PdfInfo(pdfs.first(), QStringLiteral("Pages")), QStringLiteral("1"));
    const QSizeF size = test::PdfPageSize(pdfs.first());
    EXPECT_NEAR(std::min(size.width(), size.height()), 595, 1.5);
    EXPECT_NEAR(std::max(size.width(), size.height()), 842, 1.5);
    const QString text = test::PdfText(pdfs.first());
    EXPECT_TRUE(text.contains(QStringLiteral("大売出し")));
    EXPECT_TRUE(text.contains(QStringLiteral("本日限りABC")));
}

TEST(CliPrint, BuiltinPrinterWritesThePdfFile) {
    QTemporaryDir scratch;
    const QString pdf = scratch.filePath(QStringLiteral("看板.pdf"));
    // The program's default: a landscape sign, here on A5.
    const QStringList doc =
        kSign + QStringList{"--printer", "PDFファイル", "--set", "Paper.Name=11"};
    const auto printed = RunCli(QStringList{"print"} + doc + QStringList{"-o", pdf});
    ASSERT_EQ(printed.exitCode, 0) << printed.err.toStdString();
    EXPECT_EQ(test::PdfInfo(pdf, QStringLiteral("Pages")), QStringLiteral("1"));
    EXPECT_EQ(test::PdfInfo(pdf, QStringLiteral("Title")), QStringLiteral("ZENPA:"));
    const QSizeF size = test::PdfPageSize(pdf);
    EXPECT_NEAR(size.width(), 595, 1.5);
    EXPECT_NEAR(size.height(), 420, 1.5);
    const QString text = test::PdfText(pdf);
    EXPECT_TRUE(text.contains(QStringLiteral("大売出し"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("本日限りABC"))) << text.toStdString();

    const Expected e = laidOut(doc, scratch.path());
    const QImage paper = test::PdfPage(pdf, 600, scratch.path());
    ASSERT_FALSE(paper.isNull());
    EXPECT_NEAR(paper.width(), e.layout[QStringLiteral("page")][QStringLiteral("SizeX")].toInt(),
                2);
    expectInkWhereLaidOut(paper, e.page, e.layout);
}

TEST(CliPrint, ClearErrors) {
    QTemporaryDir scratch;
    const QString pdf = scratch.filePath(QStringLiteral("sign.pdf"));
    struct Case {
        QStringList args;
        int exitCode;
        const char* says;
    };
    const Case cases[] = {
        {{"print", "--printer", "no such printer", "--line", "a"},
         2,
         "no printer \"no such printer\""},
        {{"print", "--printer", "PDFファイル", "--line", "a"}, 2, "give -o FILE.pdf"},
        {{"print", "--page", "pix=300x300,area=100x100", "--line", "a"}, 2, "--page"},
        {{"print", "--printer", "PDFファイル", "-o", pdf}, 1, "no text"},
        {{"print", "--printer", "PDFファイル", "--line", "a", "-o", "/no/such/dir/x.pdf"},
         1,
         "/no/such/dir/x.pdf"},
    };
    for (const Case& c : cases) {
        const auto r = RunCli(c.args);
        EXPECT_EQ(r.exitCode, c.exitCode) << c.args.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.says))) << r.err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(pdf));
}

} // namespace
} // namespace zenpa
