#include "core/line_layout.h"
#include "core/page_layout.h"
#include "fake_canvas.h"

#include <gtest/gtest.h>

namespace zenpa {
namespace {

using test::FakeCanvas;

// A 6000 × 4000 px range at 600 dpi. With the fake canvas a character of
// ASCII is 50/100 em wide, any other 100/100 em, and the cell is 6/5 em; at
// 100 points the em is 833 px, so "a" is 416 × 999.
const PrintRange kRange{0, 0, 6000, 4000};

class Layout : public ::testing::Test {
protected:
    Layout() { canvas.setFontResolution(600); }

    PageLayout layOut(const QStringList& lines) {
        doc.lines = lines;
        return LayOutPage(doc, kRange, canvas);
    }

    FakeCanvas canvas;
    Document doc;
};

TEST(Slots, BandsAboveAndBelowTheBlock) {
    SlotMetrics s = ComputeSlots(3, 1, 100, kRange);
    EXPECT_DOUBLE_EQ(s.q, 3.02);
    EXPECT_DOUBLE_EQ(s.f, 4000 / 3.02);
    EXPECT_DOUBLE_EQ(s.g, s.f / 100);
    // At the bottom position a full pitch stays free above and below: the
    // block is N / (N + 2) of the range's height.
    s = ComputeSlots(2, 100, 100, kRange);
    EXPECT_DOUBLE_EQ(s.q, 4);
    EXPECT_DOUBLE_EQ(s.f, 1000);
    EXPECT_DOUBLE_EQ(s.g, 1000);
    // No lines: never laid out, but the arithmetic stays finite.
    s = ComputeSlots(0, 0, 100, kRange);
    EXPECT_GT(s.f, 0);
}

TEST_F(Layout, FitSizeTakesTheSmallerOfWidthAndHeight) {
    canvas.setFontFace(QStringLiteral("any"));
    LineLayout one(canvas, kRange, 1, 1);
    // "a": width fit Trunc(6000 / 4.16) = 1442, height fit Trunc(4000 / 1.02 / 9.99) = 392.
    FitResult r = one.FitSize(QStringLiteral("a"), 100);
    EXPECT_EQ(r.size, 392);
    EXPECT_EQ(r.at100, (TextExtent{416, 999}));
    EXPECT_EQ(canvas.font().size, 100); // left at 100 points
    // Twenty "a": width fit Trunc(6000 / 83.3) = 72.
    EXPECT_EQ(one.FitSize(QString(20, QLatin1Char('a')), 100).size, 72);
    // A percentage scales the fitted size; 0 and below count as 100.
    EXPECT_EQ(one.FitSize(QStringLiteral("a"), 50).size, 196);
    EXPECT_EQ(one.FitSize(QStringLiteral("a"), 0).size, 392);
    EXPECT_EQ(one.FitSize(QStringLiteral("a"), 150).size, 588);
    // An empty text is measured as one blank.
    EXPECT_EQ(one.FitSize(QString(), 100).size, one.FitSize(QStringLiteral(" "), 100).size);
}

TEST_F(Layout, UnmeasurableTextIsBoundByTheOtherLimit) {
    canvas.advances.insert(QLatin1Char('z'), 0); // zero width
    LineLayout one(canvas, kRange, 1, 1);
    EXPECT_EQ(one.FitSize(QStringLiteral("zz"), 100).size, 392);
}

TEST_F(Layout, PlaceLineCentresInRangeAndSlot) {
    LineLayout two(canvas, kRange, 2, 1);
    LinePlacement p = two.PlaceLine(QStringLiteral("A"), 180, 1);
    EXPECT_EQ(p, (LinePlacement{2625, 109, 180, 750, 1800}));
    EXPECT_EQ(canvas.font().size, 180);
    p = two.PlaceLine(QStringLiteral("ABCDEFGH"), 180, 2);
    EXPECT_EQ(p, (LinePlacement{0, 2090, 180, 6000, 1800}));
    // An empty line measures as empty: centred at its middle, full cell height.
    p = two.PlaceLine(QString(), 180, 2);
    EXPECT_EQ(p.X, 3000);
    EXPECT_EQ(p.Width, 0);
    EXPECT_EQ(p.Height, 1800);
}

TEST_F(Layout, SameSizeForAllLinesOrEachItsOwn) {
    const QStringList lines{QStringLiteral("A"), QStringLiteral("ABCDEFGH")};
    PageLayout page = layOut(lines);
    EXPECT_EQ(page.extent.MinSize, 180);
    EXPECT_EQ(page.lines[0].fit.size, 198);
    EXPECT_EQ(page.lines[1].fit.size, 180);
    EXPECT_EQ(page.lines[0].placement.Fs, 180); // "各行同じ": the smaller size
    EXPECT_EQ(page.lines[1].placement.Fs, 180);
    EXPECT_EQ(page.lines[0].placement.X, 2625);

    doc.format.Prop.Size = kSizeEach;
    page = layOut(lines);
    EXPECT_EQ(page.lines[0].placement.Fs, 198);
    EXPECT_EQ(page.lines[1].placement.Fs, 180);
    EXPECT_EQ(page.lines[0].placement, (LinePlacement{2587, 19, 198, 825, 1980}));
}

TEST_F(Layout, AlignmentUsesTheExtentAtFittedSizes) {
    const QStringList lines{QStringLiteral("A"), QStringLiteral("ABCDEFGH")};
    doc.format.Prop.Set = kAlignLeft;
    PageLayout page = layOut(lines);
    // The long line reaches the range's left edge when centred.
    EXPECT_EQ(page.extent.MinLeft, 0);
    EXPECT_EQ(page.extent.MaxRight, 6000);
    for (const LaidOutLine& l : page.lines)
        EXPECT_EQ(l.placement.X, page.extent.MinLeft);

    doc.format.Prop.Set = kAlignRight;
    page = layOut(lines);
    for (const LaidOutLine& l : page.lines)
        EXPECT_EQ(l.placement.X + l.placement.Width, page.extent.MaxRight);
    EXPECT_EQ(page.lines[0].placement.X, 5250);

    // Alignment never moves a line vertically.
    doc.format.Prop.Set = kAlignCenter;
    const PageLayout centred = layOut(lines);
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(centred.lines[i].placement.Y, page.lines[i].placement.Y);

    // MinLeft is that of the furthest-reaching line, not the range's edge.
    doc.format.Prop.Set = kAlignLeft;
    doc.format.Prop.Size = kSizeEach;
    page = layOut({QStringLiteral("A"), QStringLiteral("AB")});
    EXPECT_GT(page.extent.MinLeft, 0);
    EXPECT_EQ(page.lines[0].placement.X, page.extent.MinLeft);
}

TEST_F(Layout, PercentageScalesSizeButNotTheSlot) {
    doc.format.Prop.Bai = 50;
    const PageLayout page = layOut({QStringLiteral("a")});
    EXPECT_EQ(page.lines[0].placement.Fs, 196); // Trunc(0.5 × 392)
    EXPECT_EQ(page.lines[0].placement.Height, 1959);
    EXPECT_EQ(page.lines[0].placement.Y, 1020); // still centred in the 3921.6 px slot
    EXPECT_EQ(BaiLabel(50), QStringLiteral("50%"));
}

TEST_F(Layout, BottomSpacingPositionLeavesAPitchAboveAndBelow) {
    doc.format.Prop.BaiH = 100;
    doc.format.Prop.Size = kSizeEach;
    const PageLayout page = layOut({QStringLiteral("a"), QStringLiteral("a")});
    EXPECT_DOUBLE_EQ(page.slots.f, 1000);
    for (const LaidOutLine& l : page.lines) {
        EXPECT_GE(l.placement.Y, 1000);
        EXPECT_LE(l.placement.Y + l.placement.Height, 3000);
    }
    EXPECT_EQ(BaiHLabel(100), QStringLiteral("1%"));
    EXPECT_EQ(BaiHLabel(1), QStringLiteral("100%"));
    EXPECT_EQ(BaiHLabel(50), QStringLiteral("51%"));
}

TEST_F(Layout, EmptyMiddleLineTakesASlot) {
    const PageLayout page = layOut({QStringLiteral("A"), QString(), QStringLiteral("B")});
    ASSERT_EQ(page.lines.size(), 3);
    EXPECT_EQ(page.lines[1].text, QString());
    EXPECT_EQ(page.lines[1].placement.Width, 0);
    EXPECT_GT(page.lines[1].placement.Y, page.lines[0].placement.Y);
    EXPECT_GT(page.lines[2].placement.Y, page.lines[1].placement.Y);
    // Sized as a blank in the extent pass.
    EXPECT_GT(page.lines[1].fitWidth, 0);
}

TEST_F(Layout, EmptyDocumentIsOneBlankLine) {
    const PageLayout page = layOut({});
    ASSERT_EQ(page.lines.size(), 1);
    EXPECT_EQ(page.lines[0].text, QStringLiteral(" "));
    EXPECT_DOUBLE_EQ(page.slots.q, 1.02);
}

TEST_F(Layout, FixedPointSizeOverridesFitAndSameSize) {
    doc.format.Hani.Hani = kRangePoint;
    doc.format.Hani.Point = QStringLiteral("2000");
    PageLayout page = layOut({QStringLiteral("A"), QStringLiteral("ABCDEFGH")});
    for (const LaidOutLine& l : page.lines)
        EXPECT_EQ(l.placement.Fs, 2000);
    // It overflows the range: X lies left of the range, nothing is clamped.
    EXPECT_LT(page.lines[1].placement.X, kRange.Px);

    doc.format.Hani.Point = QString();
    page = layOut({QStringLiteral("A")});
    EXPECT_EQ(page.lines[0].placement.Fs, 1);
}

TEST_F(Layout, PerLineSettingsGiveEachLineItsOwnSize) {
    FormatRecord& f = doc.format;
    f.LineFont.Mode = true;
    f.Prop.Size = kSizeSame; // ignored while per-line settings are on
    for (int n = 1; n <= 2; ++n) {
        f.LineFont.Table.row(n)[kColFace] = QStringLiteral("Face%1").arg(n);
        f.LineFont.Table.row(n)[kColColor] = QStringLiteral("赤色");
        f.LineFont.Table.row(n)[kColPercent] = QStringLiteral("100");
    }
    f.LineFont.Table.row(2)[kColBold] = QStringLiteral("太");
    f.LineFont.Table.row(2)[kColEffect] = QStringLiteral("影");
    f.LineFont.Table.row(2)[kColPercent] = QStringLiteral("abc"); // counts as 100
    PageLayout page = layOut({QStringLiteral("A"), QStringLiteral("ABCDEFGH")});
    EXPECT_EQ(page.lines[0].placement.Fs, 198);
    EXPECT_EQ(page.lines[0].face, QStringLiteral("Face1"));
    EXPECT_EQ(page.lines[0].color, MakeColor(255, 0, 0));
    EXPECT_EQ(page.lines[1].style, kBoldBit);
    EXPECT_EQ(page.lines[1].effect, kEffectShadow);
    EXPECT_EQ(page.lines[1].percent, 100);
    EXPECT_LT(page.lines[1].placement.Fs, 180); // bold is a little wider

    // A colour cell that names no item draws black; "その他" the custom colour.
    f.LineFont.Table.row(1)[kColColor] = QStringLiteral("red");
    f.LineFont.Table.row(2)[kColColor] = QStringLiteral("その他");
    f.Font.STColor = MakeColor(1, 2, 3);
    page = layOut({QStringLiteral("A"), QStringLiteral("B")});
    EXPECT_EQ(page.lines[0].color, kBlack);
    EXPECT_EQ(page.lines[1].color, MakeColor(1, 2, 3));

    // The preview replaces a face the font list lacks; the printer keeps it.
    LayoutOptions preview;
    preview.isListedFace = [](const QString& face) { return face == QStringLiteral("Face1"); };
    page = LayOutPage(doc, kRange, canvas, preview);
    EXPECT_EQ(page.lines[0].face, QStringLiteral("Face1"));
    EXPECT_EQ(page.lines[1].face, kWindowFace);
    LayoutOptions printer = preview;
    printer.useUnlistedLineFaces = true;
    page = LayOutPage(doc, kRange, canvas, printer);
    EXPECT_EQ(page.lines[1].face, QStringLiteral("Face2"));
}

TEST_F(Layout, MeasuresEachLineAFixedNumberOfTimes) {
    QStringList lines;
    for (int i = 0; i < 7; ++i)
        lines.push_back(QStringLiteral("line %1").arg(i));
    canvas.measureCount = 0;
    layOut(lines);
    // The extent pass and the line pass each measure at 100 points and at the size.
    EXPECT_EQ(canvas.measureCount, 4 * 7);
}

TEST_F(Layout, ReferenceSizeLabels) {
    LineLayout one(canvas, kRange, 1, 1);
    EXPECT_EQ(ReferenceSizeLabel(ReferencePointSize(one)), QStringLiteral("参考＝ 392 p"));
    // 100 points: a 999 px cell at 600 dpi is 42.29 mm.
    EXPECT_EQ(CharacterHeightLabel(canvas, 100, 600), QStringLiteral("42 mm"));
}

} // namespace
} // namespace zenpa
