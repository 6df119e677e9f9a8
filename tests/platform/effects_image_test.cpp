#include "core/fixed_printer.h"
#include "core/reset.h"
#include "decor/decorations.h"
#include "ink.h"
#include "platform/font_backend.h"
#include "platform/measuring_canvas.h"
#include "platform/page_images.h"
#include "platform/painter_canvas.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>

#include <gtest/gtest.h>

namespace zenpa {
namespace {

// Draws every copy of the bold letters one by one, as the reference.
class LoopCanvas : public PainterCanvas {
public:
    using PainterCanvas::PainterCanvas;

protected:
    void drawTextSpread(const FontSpec& f, int x, int y, const QString& t,
                        const std::vector<int>& xs, const std::vector<int>& ys) override {
        Canvas::drawTextSpread(f, x, y, t, xs, ys);
    }
};

QImage spread(bool loop, int w, double scale) {
    QImage img(400, 160, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    std::unique_ptr<PainterCanvas> c =
        loop ? std::make_unique<LoopCanvas>(p, FontBackend::instance())
             : std::make_unique<PainterCanvas>(p, FontBackend::instance());
    c->setAntialiasedText(false);
    c->setFontFace(QStringLiteral("IPAGothic"));
    c->setFontResolution(600);
    c->setFontSize(10);
    c->setFontScale(scale);
    c->setFontColor(MakeColor(200, 0, 0));
    std::vector<int> offsets;
    for (int k = 0; k <= w; ++k)
        offsets.push_back(k);
    c->textOutSpread(20, 30, QStringLiteral("中抜きAg"), offsets, offsets);
    return img;
}

TEST(Spread, EqualsTheSingleDrawsPixelForPixel) {
    for (int w : {0, 1, 3, 6})
        for (double scale : {1.0, 0.7})
            EXPECT_EQ(spread(false, w, scale), spread(true, w, scale)) << w << " " << scale;
    // and does grow the letters
    EXPECT_NE(spread(false, 3, 1.0), spread(false, 0, 1.0));
}

class EffectImages : public ::testing::Test {
protected:
    void SetUp() override {
        printer.setFixedOrientationFacts(true);
        ResetDocument(state.doc, printer, state.panel, 96, state.range);
        state.doc.format.Font.Name = QStringLiteral("IPAGothic");
        state.doc.format.Hani.Hani = kRangeMaximum;
        state.doc.lines = {QStringLiteral("影")};
    }
    QImage page() {
        state.computePrintRange();
        return RenderPageImage(state, measure, decorations, FontBackend::instance()).image;
    }

    // 600 dpi, 2400 × 1600 printable area without margins.
    FixedPrinterSystem printer{PageFacts{{600, 600, 2400, 1600, 2400, 1600, 0, 0}, true}};
    AppState state{printer};
    MeasuringCanvas measure{FontBackend::instance()};
    Decorations decorations;
};

TEST_F(EffectImages, ShadowAndHollowGrowTheInkByTheirWidths) {
    const QImage plainImage = page();
    const QRect plain = test::InkBox(plainImage, QRect(0, 0, 2400, 1600));
    state.doc.format.Font.Efect = kEffectShadow;
    state.doc.format.Font.ShadowColor = 0; // black, so the threshold sees it
    const QRect shadow = test::InkBox(page(), QRect(0, 0, 2400, 1600));
    EXPECT_EQ(shadow.right() - plain.right(), 47);  // 2 mm at 600 dpi
    EXPECT_EQ(shadow.bottom() - plain.bottom(), 47);
    EXPECT_EQ(shadow.left(), plain.left());

    state.doc.format.Font.Efect = kEffectHollow;
    state.doc.format.Font.OutLine = 10; // 23 px
    const QImage hollow = page();
    const QRect box = test::InkBox(hollow, QRect(0, 0, 2400, 1600));
    EXPECT_NEAR(box.right() - plain.right(), 23, 1);
    EXPECT_NEAR(box.bottom() - plain.bottom(), 23, 1);
    // Deep inside a stroke of the plain letters, moved by w div 2, the hollow
    // letters are white.
    int checked = 0;
    for (int y = plain.top() + 6; y < plain.bottom() - 6 && checked < 20; y += 7) {
        for (int x = plain.left() + 6; x < plain.right() - 6 && checked < 20; x += 3) {
            bool deep = true;
            for (int dy = -4; dy <= 4 && deep; ++dy)
                for (int dx = -4; dx <= 4 && deep; ++dx)
                    deep = qGray(plainImage.pixel(x + dx, y + dy)) < 64;
            if (!deep)
                continue;
            EXPECT_GT(qGray(hollow.pixel(x + 11, y + 11)), 240) << x << "," << y;
            ++checked;
        }
    }
    EXPECT_GT(checked, 0);
}

TEST_F(EffectImages, GradationRunsFromTheStartColourAtTheCellTop) {
    state.doc.lines = {QStringLiteral("■")};
    state.doc.format.Font.Efect = kEffectGradation;
    state.doc.format.Font.Gradation1Color1 = 9;  // 赤色
    state.doc.format.Font.Gradation2Color1 = 11; // 青色
    state.computePrintRange();
    const RenderedImage r = RenderPageImage(state, measure, decorations, FontBackend::instance());
    const LinePlacement& p = r.result.layout.lines[0].placement;
    const QRect box = test::InkBox(r.image, QRect(0, 0, 2400, 1600), 6);
    ASSERT_FALSE(box.isNull());
    // Row Y + i has the band colour S + Trunc((E − S) / h × i), one band per pixel.
    for (int y : {box.top() + 2, (box.top() + box.bottom()) / 2, box.bottom() - 2}) {
        const int i = y - p.Y;
        const int red = 255 + Trunc(-255.0 / p.Height * i);
        const int blue = Trunc(255.0 / p.Height * i);
        EXPECT_EQ(r.image.pixel(box.center().x(), y), qRgb(red, 0, blue)) << i;
    }
}

TEST_F(EffectImages, FrameLineWidthOnPageAndPreview) {
    state.doc.lines.clear();
    state.doc.format.Waku.Waku = true;
    state.doc.format.Waku.PenWidth = 25;
    const QImage img = page();
    int dark = 0;
    for (int x = 0; x < 200; ++x)
        dark += qGray(img.pixel(x, 800)) < 128 ? 1 : 0;
    EXPECT_EQ(dark, 59);

    state.doc.format.Waku.PenStyle = 1; // dashed: one pixel
    const QImage dashed = page();
    int darkDashed = 0;
    for (int y = 700; y < 900; ++y)
        darkDashed += qGray(dashed.pixel(0, y)) < 128 ? 1 : 0;
    EXPECT_GT(darkDashed, 0);
    EXPECT_LT(darkDashed, 200); // gaps
    EXPECT_GT(qGray(dashed.pixel(1, 800)), 128);
}

TEST_F(EffectImages, HollowLineStaysCompactInAPdf) {
    auto pdfSize = [this](int effect) {
        state.doc.format.Font.Efect = effect;
        state.doc.format.Font.OutLine = 100; // 236 px: 56,000 single draws
        state.computePrintRange();
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&buffer);
        pdf.setResolution(600);
        pdf.setPageSize(QPageSize(QSizeF(2400 / 600.0, 1600 / 600.0), QPageSize::Inch));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter p(&pdf);
        PainterCanvas canvas(p, FontBackend::instance());
        RenderTarget t = RenderTarget::Device(canvas, TargetKind::Printer, 2400, 1600);
        RenderPage(state, measure, t, decorations);
        p.end();
        return buffer.size();
    };
    const qint64 plain = pdfSize(kEffectNone);
    const qint64 hollow = pdfSize(kEffectHollow);
    EXPECT_LT(hollow, plain * 4) << plain << " " << hollow;
}

} // namespace
} // namespace zenpa
