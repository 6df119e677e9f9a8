#include "core/fixed_printer.h"
#include "core/page_renderer.h"
#include "core/reset.h"
#include "fake_canvas.h"

#include <gtest/gtest.h>

namespace zenpa {
namespace {

// Records what is drawn, in the canvas's own pixels.
class RecordingCanvas : public test::FakeCanvas {
public:
    struct Op {
        QString what; // "text", "rect"
        int x = 0, y = 0, r = 0, b = 0;
        QString text;
        FontSpec font;
        BrushSpec brush;
    };
    std::vector<Op> ops;

protected:
    void drawText(const FontSpec& font, int x, int y, const QString& text) override {
        ops.push_back({QStringLiteral("text"), x, y, 0, 0, text, font, brush()});
    }
    void drawShape(Shape, int l, int t, int r, int b, int, int) override {
        ops.push_back({QStringLiteral("rect"), l, t, r, b, {}, font(), brush()});
    }
};

class Renderer : public ::testing::Test {
protected:
    // 300 dpi portrait sheet 2480 × 3508 with the printable area 60 px in
    // from the left and top and 2360 × 3388 px large.
    Renderer() : printer(PageFacts{{300, 300, 2360, 3388, 2480, 3508, 60, 60}, true}), state(printer) {
        printer.setFixedOrientationFacts(true);
        ResetDocument(state.doc, printer, state.panel, 96, state.range);
        state.panel = PanelSize{400, 600};
        measure.setFontResolution(300);
    }

    RenderResult renderPreview() {
        state.computePrintRange();
        RenderTarget t = RenderTarget::Scaled(preview, TargetKind::Preview, state.range.Rb,
                                              state.range.page.OffsetX, state.range.page.OffsetY,
                                              state.range.boxWidth, state.range.boxHeight);
        return RenderPage(state, measure, t, plain);
    }

    FixedPrinterSystem printer;
    AppState state;
    test::FakeCanvas measure;
    RecordingCanvas preview;
    PageDecorations plain;
};

TEST_F(Renderer, PreviewRunClearsDrawsScaledLinesThenMasks) {
    state.doc.lines = {QStringLiteral("大売出し"), QStringLiteral("本日")};
    const RenderResult r = renderPreview();
    ASSERT_TRUE(r.drawn);
    const double rb = state.range.Rb;
    ASSERT_EQ(preview.ops.size(), 5u);
    // A white box over the whole preview first.
    EXPECT_EQ(preview.ops[0].what, QStringLiteral("rect"));
    EXPECT_EQ(preview.ops[0].x, 0);
    EXPECT_EQ(preview.ops[0].r, state.range.boxWidth);
    EXPECT_EQ(preview.ops[0].brush.color, kWhite);
    // Each line at P(X), P(Y) with the font set by the scaled cell height.
    for (int i = 0; i < 2; ++i) {
        const RecordingCanvas::Op& op = preview.ops[1 + i];
        const LinePlacement& p = r.layout.lines[i].placement;
        EXPECT_EQ(op.what, QStringLiteral("text"));
        EXPECT_EQ(op.x, Trunc((p.X + 60) * rb));
        EXPECT_EQ(op.y, Trunc((p.Y + 60) * rb));
        EXPECT_EQ(op.font.unit, FontSizeUnit::Points);
        EXPECT_EQ(op.font.size, p.Fs);
        EXPECT_EQ(op.font.resolution, 300);
        EXPECT_DOUBLE_EQ(op.font.scale, rb);
        EXPECT_EQ(op.text, state.doc.lines[i]);
    }
    // Masks right of and below the printable area.
    EXPECT_EQ(preview.ops[3].x, Trunc((2360 + 60) * rb));
    EXPECT_EQ(preview.ops[4].y, Trunc((3388 + 60) * rb));
    EXPECT_EQ(preview.ops[4].brush.color, kWhite);
}

TEST_F(Renderer, EmptyDocumentDrawsAnEmptySheetAndKeepsTheTextEmpty) {
    const RenderResult r = renderPreview();
    ASSERT_EQ(r.layout.lines.size(), 1);
    EXPECT_TRUE(state.doc.lines.isEmpty());
    for (const auto& op : preview.ops)
        EXPECT_TRUE(op.what != QStringLiteral("text") || op.text.trimmed().isEmpty());
}

TEST_F(Renderer, NothingDrawsWhileRedrawsAreSuppressed) {
    state.doc.lines = {QStringLiteral("a")};
    {
        AppState::SuppressRedraw hold(state);
        EXPECT_FALSE(renderPreview().drawn);
    }
    EXPECT_TRUE(preview.ops.empty());
    EXPECT_TRUE(renderPreview().drawn);
}

TEST_F(Renderer, TinyPreviewFontIsAtLeastOnePixel) {
    state.doc.format.Hani.Hani = kRangePoint;
    state.doc.format.Hani.Point = QStringLiteral("1");
    state.doc.lines = {QStringLiteral("a")};
    renderPreview();
    int texts = 0;
    for (const auto& op : preview.ops) {
        if (op.what == QStringLiteral("text")) {
            EXPECT_EQ(op.font.unit, FontSizeUnit::CellPixels);
            EXPECT_EQ(op.font.size, 1);
            ++texts;
        }
    }
    EXPECT_EQ(texts, 1);
}

TEST_F(Renderer, DeviceTargetDrawsInPointsWithoutClearingAndStopsWhenCancelled) {
    state.doc.lines = {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")};
    state.computePrintRange();
    RecordingCanvas page;
    RenderTarget t = RenderTarget::Device(page, TargetKind::Printer, 2360, 3388);
    int calls = 0;
    t.lineDone = [&](int line, int count) {
        ++calls;
        EXPECT_EQ(count, 3);
        return line < 2; // cancel after the second line
    };
    const RenderResult r = RenderPage(state, measure, t, plain);
    EXPECT_TRUE(r.cancelled);
    EXPECT_EQ(calls, 2);
    ASSERT_EQ(page.ops.size(), 2u); // no white box, no masks
    EXPECT_EQ(page.ops[0].font.unit, FontSizeUnit::Points);
    EXPECT_EQ(page.ops[0].font.resolution, 300);
    EXPECT_EQ(page.ops[0].font.size, r.layout.lines[0].placement.Fs);
    EXPECT_DOUBLE_EQ(page.ops[0].font.scale, 1.0);
    EXPECT_EQ(page.ops[0].x, r.layout.lines[0].placement.X);
}

TEST_F(Renderer, ProgressHooksRunAroundEveryLineAndAfterThePicture) {
    state.doc.lines = {QStringLiteral("a"), QStringLiteral("b")};
    state.computePrintRange();
    RecordingCanvas page;
    RenderTarget t = RenderTarget::Device(page, TargetKind::Printer, 2360, 3388);
    QStringList calls;
    bool stopAfterPicture = false;
    t.pictureDone = [&] {
        calls.push_back(QStringLiteral("picture"));
        return !stopAfterPicture;
    };
    t.lineStarting = [&](int line, int count) {
        calls.push_back(
            QStringLiteral("start %1/%2 drawn %3").arg(line).arg(count).arg(page.ops.size()));
    };
    t.lineDone = [&](int line, int) {
        calls.push_back(QStringLiteral("done %1 drawn %2").arg(line).arg(page.ops.size()));
        return true;
    };
    EXPECT_FALSE(RenderPage(state, measure, t, plain).cancelled);
    EXPECT_EQ(calls, (QStringList{"picture", "start 1/2 drawn 0", "done 1 drawn 1",
                                  "start 2/2 drawn 1", "done 2 drawn 2"}));

    // Stopped after the picture: no text at all.
    calls.clear();
    page.ops.clear();
    stopAfterPicture = true;
    EXPECT_TRUE(RenderPage(state, measure, t, plain).cancelled);
    EXPECT_EQ(calls, QStringList{"picture"});
    EXPECT_TRUE(page.ops.empty());
}

TEST(RenderTargetTransforms, ScaledPositionsAndLengths) {
    test::FakeCanvas c;
    RenderTarget t = RenderTarget::Scaled(c, TargetKind::Preview, 0.1, 100, 50, 100, 100);
    EXPECT_EQ(t.px(0), 10);
    EXPECT_EQ(t.py(0), 5);
    EXPECT_EQ(t.px(-200), -10);
    EXPECT_EQ(t.len(19), 1);
    RenderTarget jpeg = RenderTarget::Scaled(c, TargetKind::SmallJpeg, 0.1, 100, 50, 100, 100);
    EXPECT_EQ(jpeg.px(-200), 0); // negative results become 0 on the small JPEG
    EXPECT_EQ(jpeg.len(-30), 0);
    RenderTarget device = RenderTarget::Device(c, TargetKind::Printer, 10, 10);
    EXPECT_EQ(device.px(-7), -7);
    EXPECT_EQ(device.len(19), 19);
    EXPECT_FALSE(RulesFor(TargetKind::Printer).clearsAndMasks);
    EXPECT_TRUE(RulesFor(TargetKind::Printer).usesUnlistedLineFaces);
    EXPECT_FALSE(RulesFor(TargetKind::Preview).usesUnlistedLineFaces);
}

} // namespace
} // namespace zenpa
