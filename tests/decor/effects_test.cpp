#include "core/fixed_printer.h"
#include "core/reset.h"
#include "decor/effects.h"
#include "core/fake_canvas.h"

#include <gtest/gtest.h>

namespace zenpa {
namespace {

TEST(Effects, ShadowOffsetByDirection) {
    // 2 mm at 600 dpi: Round(2 / 25.39999 × 600) = 47.
    const ShadowDelta expected[] = {{0, -47}, {47, -47}, {47, 0},  {47, 47},
                                    {0, 47},  {-47, 47}, {-47, 0}, {-47, -47}};
    for (int d = 0; d < 8; ++d)
        EXPECT_EQ(ShadowOffset(2, d, 600), expected[d]) << d;
    EXPECT_EQ(ShadowOffset(2, 8, 600), (ShadowDelta{47, 47}));
    EXPECT_EQ(ShadowOffset(2, -1, 600), (ShadowDelta{47, 47}));
    // A distance that converts to nothing is still one pixel.
    EXPECT_EQ(ShadowOffset(0, 2, 600), (ShadowDelta{1, 0}));
}

TEST(Effects, HollowWidthAndItsPreviewMinimum) {
    EXPECT_EQ(HollowWidth(10, 600), 23); // 1.0 mm
    EXPECT_EQ(HollowWidth(1, 96), 1);    // Trunc(0.378) is at least 1
    EXPECT_EQ(HollowWidth(100, 600), 236);

    test::FakeCanvas c;
    // 0.1 mm at 600 dpi is 2 device pixels, far below two preview pixels.
    const double s = 0.11;
    RenderTarget preview = RenderTarget::Scaled(c, TargetKind::Preview, s, 0, 0, 800, 600);
    int w = HollowWidthOnTarget(HollowWidth(1, 600), preview, 1000, 1000);
    EXPECT_GE(w, Trunc(2 / s + 0.5));
    // The bold copy is at least two preview pixels wider than the letters,
    // wherever the line starts.
    for (int x = 1000; x < 1020; ++x) {
        w = HollowWidthOnTarget(HollowWidth(1, 600), preview, x, x + 3);
        EXPECT_GE(preview.px(x + w) - preview.px(x), 2) << x;
        EXPECT_GE(preview.py(x + 3 + w) - preview.py(x + 3), 2) << x;
        EXPECT_LE(w, Trunc(2 / s + 0.5) + 10) << x;
    }
    RenderTarget page = RenderTarget::Device(c, TargetKind::Printer, 100, 100);
    EXPECT_EQ(HollowWidthOnTarget(2, page, 1000, 1000), 2);
}

TEST(Effects, InputsAreRepaired) {
    FormatRecord f;
    f.Font.ShadowWidth = 0;
    f.Font.OutLine = 250;
    RepairEffectInputs(f);
    EXPECT_EQ(f.Font.ShadowWidth, 1);
    EXPECT_EQ(f.Font.OutLine, 100);
    f.Font.OutLine = -3;
    RepairEffectInputs(f);
    EXPECT_EQ(f.Font.OutLine, 1);
}

// Records the text draws and fills of an effect line.
class Recorder : public test::FakeCanvas {
public:
    struct Draw {
        int x, y;
        ColorRef color;
    };
    std::vector<Draw> texts;
    std::vector<std::pair<int, ColorRef>> bands; // top row and colour of each fill
    bool clipWorks = true;
    int spreadCalls = 0;
    std::vector<int> spreadXs, spreadYs;

protected:
    void drawText(const FontSpec& f, int x, int y, const QString&) override {
        texts.push_back({x, y, f.color});
    }
    void drawTextSpread(const FontSpec& f, int x, int y, const QString& t,
                        const std::vector<int>& xs, const std::vector<int>& ys) override {
        ++spreadCalls;
        spreadXs = xs;
        spreadYs = ys;
        Canvas::drawTextSpread(f, x, y, t, xs, ys);
    }
    void fillRectHook(int, int t, int, int, const BrushSpec& b) override {
        bands.push_back({t, b.color});
    }
    bool clipToTextHook(const FontSpec&, int, int, const QString&) override { return clipWorks; }
};

class EffectLine : public ::testing::Test {
protected:
    EffectLine() {
        printer.setFixedOrientationFacts(true);
        ResetDocument(state.doc, printer, state.panel, 96, state.range);
        line.text = QStringLiteral("AB");
        line.color = MakeColor(1, 2, 3);
        canvas.setFontResolution(600);
        canvas.setFontSize(100);
        canvas.setFontColor(line.color);
    }
    void draw(int effect, int x, int y) {
        RenderTarget t = RenderTarget::Device(canvas, TargetKind::Printer, 5000, 5000);
        DrawEffectLine(DecorContext{state, page, measure}, t, line, x, y, effect, 1);
    }

    FixedPrinterSystem printer{PageFacts{{600, 600, 5000, 5000, 5000, 5000, 0, 0}, true}};
    AppState state{printer};
    PageLayout page;
    test::FakeCanvas measure;
    Recorder canvas;
    LaidOutLine line;
};

TEST_F(EffectLine, PlainLineIsOneDrawInTheLineColour) {
    draw(kEffectNone, 100, 200);
    ASSERT_EQ(canvas.texts.size(), 1u);
    EXPECT_EQ(canvas.texts[0].x, 100);
    EXPECT_EQ(canvas.texts[0].color, line.color);
}

TEST_F(EffectLine, ShadowFirstThenTheLetters) {
    state.doc.format.Font.Shadow = 7; // 左上
    draw(kEffectShadow, 500, 500);
    ASSERT_EQ(canvas.texts.size(), 2u);
    EXPECT_EQ(canvas.texts[0].x, 453);
    EXPECT_EQ(canvas.texts[0].y, 453);
    EXPECT_EQ(canvas.texts[0].color, MakeColor(192, 192, 192)); // 銀色
    EXPECT_EQ(canvas.texts[1].x, 500);
    EXPECT_EQ(canvas.texts[1].color, line.color);
    EXPECT_EQ(canvas.font().color, line.color); // back to LineColor

    // At the origin the shadow cannot go left or up: "左上" goes straight up,
    // "上↑" on the first line coincides with the text.
    canvas.texts.clear();
    draw(kEffectShadow, 0, 500);
    EXPECT_EQ(canvas.texts[0].x, 0);
    EXPECT_EQ(canvas.texts[0].y, 453);
    canvas.texts.clear();
    state.doc.format.Font.Shadow = 0;
    draw(kEffectShadow, 300, 0);
    EXPECT_EQ(canvas.texts[0].x, 300);
    EXPECT_EQ(canvas.texts[0].y, 0);
}

TEST_F(EffectLine, HollowIsABoldCopyAndAnInside) {
    state.doc.format.Font.OutLine = 10; // w = 23 at 600 dpi
    draw(kEffectHollow, 100, 100);
    // The plain draw, (w + 1)² draws of the bold copy, the inside.
    ASSERT_EQ(canvas.texts.size(), 1u + 24u * 24u + 1u);
    EXPECT_EQ(canvas.spreadCalls, 1);
    EXPECT_EQ(canvas.spreadXs.size(), 24u);
    EXPECT_EQ(canvas.spreadXs.back(), 23);
    // Rows outer, columns inner.
    EXPECT_EQ(canvas.texts[2].x, 101);
    EXPECT_EQ(canvas.texts[2].y, 100);
    EXPECT_EQ(canvas.texts[25].x, 100);
    EXPECT_EQ(canvas.texts[25].y, 101);
    const auto& inside = canvas.texts.back();
    EXPECT_EQ(inside.x, 111);
    EXPECT_EQ(inside.y, 111);
    EXPECT_EQ(inside.color, kWhite); // 白色
    EXPECT_EQ(canvas.font().color, line.color);
}

TEST_F(EffectLine, GradationBandsFromStartToEnd) {
    // Start 黒色, end 白色: band i is grey Trunc(255 / h × i).
    draw(kEffectGradation, 100, 100);
    const int h = canvas.textHeight(line.text);
    ASSERT_EQ(canvas.bands.size(), static_cast<std::size_t>(h + 1));
    EXPECT_EQ(canvas.bands.front().first, 100);
    EXPECT_EQ(canvas.bands.front().second, kBlack); // exactly the start colour at the top
    for (int i : {1, h / 2, h}) {
        const int grey = Trunc(255.0 / h * i);
        EXPECT_EQ(canvas.bands[static_cast<std::size_t>(i)].second, MakeColor(grey, grey, grey));
    }
    EXPECT_TRUE(canvas.texts.empty());

    // A line whose outline is empty is not drawn at all.
    canvas.bands.clear();
    canvas.clipWorks = false;
    draw(kEffectGradation, 100, 100);
    EXPECT_TRUE(canvas.bands.empty());
}

TEST_F(EffectLine, UnresolvableColoursFallBack) {
    state.doc.format.Font.ShadowColor = -1;
    state.doc.format.Font.OutLineColor = 40;
    state.doc.format.Font.Gradation1Color1 = -1;
    state.doc.format.Font.Gradation2Color1 = 17;
    const EffectColors c = ResolveEffectColors(state.doc.format);
    EXPECT_EQ(c.shadow, kWhite);
    EXPECT_EQ(c.hollowInside, kWhite);
    EXPECT_EQ(c.gradationStart, kBlack);
    EXPECT_EQ(c.gradationEnd, kWhite);
    state.doc.format.Font.ShadowColor = kOtherColor;
    state.doc.format.Font.ShadowColor2 = MakeColor(9, 8, 7);
    EXPECT_EQ(ResolveEffectColors(state.doc.format).shadow, MakeColor(9, 8, 7));
}

} // namespace
} // namespace zenpa
