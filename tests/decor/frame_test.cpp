#include "core/fixed_printer.h"
#include "core/reset.h"
#include "decor/frame.h"
#include "core/fake_canvas.h"

#include <gtest/gtest.h>

namespace zenpa {
namespace {

class ShapeRecorder : public test::FakeCanvas {
public:
    struct Shape {
        int l, t, r, b, cw;
        PenSpec pen;
        BrushSpec brush;
    };
    std::vector<Shape> shapes;

protected:
    void drawShape(Canvas::Shape, int l, int t, int r, int b, int cw, int) override {
        shapes.push_back({l, t, r, b, cw, pen(), brush()});
    }
};

class Frames : public ::testing::Test {
protected:
    // A landscape printable area of 6800 × 4800 px at 600 dpi, no margins.
    Frames() {
        printer.setFixedOrientationFacts(true);
        ResetDocument(state.doc, printer, state.panel, 96, state.range);
        state.doc.format.Hani.Hani = kRangeMaximum;
        state.computePrintRange();
        measure.setFontResolution(600);
        state.doc.format.Waku.Waku = true;
    }
    PageLayout layOut() {
        return LayOutPage(state.doc, state.range.range, measure);
    }
    void drawOn(RenderTarget& t) {
        const PageLayout page = layOut();
        DrawFrame(DecorContext{state, page, measure}, t);
    }

    FixedPrinterSystem printer{PageFacts{{600, 600, 6800, 4800, 6800, 4800, 0, 0}, true}};
    AppState state{printer};
    test::FakeCanvas measure;
};

TEST_F(Frames, FrameRectMovesTowardsTheTextAsTheSizeFalls) {
    const PrintRange r = state.range.range; // (0, 0, 6799, 4799)
    state.doc.lines = {QStringLiteral("Sale"), QStringLiteral("today")};
    PageLayout page = layOut();
    EXPECT_EQ(FrameRect(DecorContext{state, page, measure}), (FrameBox{r.Px, r.Py, r.Px2, r.Py2}));

    state.doc.format.Waku.Wakuset = 50;
    page = layOut();
    const FrameBox half = FrameRect(DecorContext{state, page, measure});
    EXPECT_EQ(half.l, Round(page.extent.MinLeft * 0.5));
    EXPECT_GT(half.t, 0);
    // The right and bottom edges mirror the left and top inside the range.
    EXPECT_EQ(half.r, r.Px2 - half.l);
    EXPECT_EQ(half.b, r.Py2 - half.t);

    // An empty text frames the range at any size.
    state.doc.lines.clear();
    page = layOut();
    EXPECT_EQ(FrameRect(DecorContext{state, page, measure}), (FrameBox{r.Px, r.Py, r.Px2, r.Py2}));
}

TEST_F(Frames, LineWidths) {
    FormatRecord f;
    f.Waku.PenWidth = 25; // 2.5 mm at 600 dpi: 59.06
    EXPECT_EQ(FramePenWidth(f, 600, false), 59);
    EXPECT_EQ(FramePenWidth(f, 600, true), 59);
    f.Waku.PenWidth = 30; // 70.87
    EXPECT_EQ(FramePenWidth(f, 600, false), 70);
    EXPECT_EQ(FramePenWidth(f, 600, true), 71);
    f.Waku.PenStyle = 1; // dashed lines are one pixel wide
    EXPECT_EQ(FramePenWidth(f, 600, false), 1);
    f.Waku.PenStyle = 5;
    EXPECT_EQ(FramePenWidth(f, 600, false), 70);
    f.Waku.PenWidth = 0;
    EXPECT_EQ(FramePenWidth(f, 600, false), 1);
    EXPECT_EQ(CornerSize(6800, 4), 850);
    EXPECT_EQ(CornerSize(6800, 0), 3400);
}

TEST_F(Frames, DoubleLineOnThePrinter) {
    state.doc.format.Waku.PenStyle = 5; // 子持ち線
    state.doc.format.Waku.PenWidth = 30;
    ShapeRecorder c;
    RenderTarget t = RenderTarget::Device(c, TargetKind::Printer, 6800, 4800);
    drawOn(t);
    ASSERT_EQ(c.shapes.size(), 2u);
    // Outer line 70 px centred 35 px inside the range; inner 23 px, 94 px further in.
    EXPECT_EQ(c.shapes[0].pen.width, 70);
    EXPECT_EQ(c.shapes[0].l, 35);
    EXPECT_EQ(c.shapes[0].r, 6799 - 35);
    EXPECT_EQ(c.shapes[1].pen.width, 23);
    EXPECT_EQ(c.shapes[1].l, 35 + 94);
    EXPECT_EQ(c.shapes[1].b, 4799 - 35 - 94);
    EXPECT_EQ(c.shapes[0].brush.kind, BrushKind::Clear);
}

TEST_F(Frames, CircleOnALandscapeRangeIsCentred) {
    state.doc.format.Waku.Style = 5; // 円
    state.doc.format.Waku.PenWidth = 25;
    ShapeRecorder c;
    RenderTarget t = RenderTarget::Device(c, TargetKind::Printer, 6800, 4800);
    drawOn(t);
    ASSERT_EQ(c.shapes.size(), 1u);
    const auto& s = c.shapes[0];
    // Diameter: the range's height less the line width; centred in the range.
    EXPECT_EQ(s.b - s.t, 4799 - 2 * 29);
    EXPECT_EQ(s.r - s.l, s.b - s.t);
    EXPECT_NEAR((s.l + s.r) / 2.0, 6799 / 2.0, 1);
    EXPECT_NEAR((s.t + s.b) / 2.0, 4799 / 2.0, 1);
}

TEST_F(Frames, PreviewScalesPositionsWidthsAndCorners) {
    state.doc.format.Waku.Style = 2; // 角丸長方形
    state.doc.format.Waku.PenWidth = 25;
    state.doc.lines = {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"),
                       QStringLiteral("d")};
    ShapeRecorder c;
    const double s = 0.1;
    RenderTarget t = RenderTarget::Scaled(c, TargetKind::Preview, s, 0, 0, 680, 480);
    drawOn(t);
    ASSERT_EQ(c.shapes.size(), 1u);
    EXPECT_EQ(c.shapes[0].pen.width, Trunc(59 * s)); // Round(59.06) as a length
    EXPECT_EQ(c.shapes[0].cw, Trunc(850 * s));
    EXPECT_EQ(c.shapes[0].l, Trunc(29 * s));

    // Styled lines stay one pixel even where the length would scale to 0.
    state.doc.format.Waku.PenStyle = 2;
    c.shapes.clear();
    drawOn(t);
    EXPECT_EQ(c.shapes[0].pen.width, 1);
    EXPECT_EQ(c.shapes[0].pen.kind, PenKind::Dot);
}

TEST_F(Frames, BackgroundAndFillPatterns) {
    EXPECT_EQ(PatternBrush(7), PatternBrush(0)); // 透過 paints like ベタ
    EXPECT_EQ(PatternBrush(1), BrushKind::BDiagonal);
    EXPECT_EQ(PatternBrush(2), BrushKind::FDiagonal);
    state.doc.format.Waku.Waku = false;
    state.doc.format.BG.BG = true;
    state.doc.format.BG.Style = 7;
    state.doc.format.BG.Color = 13;
    ShapeRecorder c;
    RenderTarget t = RenderTarget::Device(c, TargetKind::Printer, 6800, 4800);
    const PageLayout page = layOut();
    DrawBackground(DecorContext{state, page, measure}, t);
    DrawFrame(DecorContext{state, page, measure}, t); // off: nothing
    ASSERT_EQ(c.shapes.size(), 1u);
    EXPECT_EQ(c.shapes[0].brush.kind, BrushKind::Solid);
    EXPECT_EQ(c.shapes[0].brush.color, MakeColor(0, 255, 255));
    EXPECT_EQ(c.shapes[0].pen.kind, PenKind::Clear);
    EXPECT_EQ(c.shapes[0].r, 6799);

    // A fill colour that names nothing is white.
    state.doc.format.BG.BG = false;
    state.doc.format.Waku.Waku = true;
    state.doc.format.Waku.Brush = true;
    state.doc.format.Waku.BrushColor = -1;
    c.shapes.clear();
    DrawFrame(DecorContext{state, page, measure}, t);
    EXPECT_EQ(c.shapes[0].brush.color, kWhite);
}

} // namespace
} // namespace zenpa
