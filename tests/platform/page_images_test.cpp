#include "core/fixed_printer.h"
#include "core/reset.h"
#include "ink.h"
#include "platform/builtin_printer.h"
#include "platform/font_backend.h"
#include "platform/measuring_canvas.h"
#include "platform/page_images.h"

#include <gtest/gtest.h>

namespace zenpa {
namespace {

class PageImages : public ::testing::Test {
protected:
    void SetUp() override {
        printer.setFixedOrientationFacts(true);
        ResetDocument(state.doc, printer, state.panel, 96, state.range);
        state.doc.format.Font.Name = QStringLiteral("IPAGothic");
        state.isListedFace = [](const QString& f) { return FontBackend::instance().hasFace(f); };
    }

    // A 300 dpi landscape sheet whose printable area starts 50 px right of
    // and 40 px below the sheet's corner.
    FixedPrinterSystem printer{PageFacts{{300, 300, 3400, 2400, 3508, 2480, 50, 40}, true}};
    AppState state{printer};
    MeasuringCanvas measure{FontBackend::instance()};
    PageDecorations plain;
};

// The preview equals the print: every line's ink on the preview lies where
// the page's ink lands when scaled to the preview, within a preview pixel.
TEST_F(PageImages, PreviewPlacesInkWhereThePageDoes) {
    state.doc.lines = {QStringLiteral("大売出し"), QStringLiteral("Sale 50%"), QString(),
                       QStringLiteral("ゼンパ")};
    state.doc.format.Prop.Set = kAlignRight;
    const RenderedImage preview = RenderPreviewImage(state, measure, plain, FontBackend::instance());
    const RenderedImage page = RenderPageImage(state, measure, plain, FontBackend::instance());
    ASSERT_FALSE(preview.image.isNull());
    ASSERT_EQ(page.image.size(), QSize(3400, 2400));
    const double rb = state.range.Rb;
    int inked = 0;
    for (const LaidOutLine& line : page.result.layout.lines) {
        const LinePlacement& p = line.placement;
        const QRect band(0, p.Y, page.image.width(), p.Height);
        const QRect ink = test::InkBox(page.image, band, 32);
        const QRect previewBand(0, Trunc((p.Y + 40) * rb), preview.image.width(),
                                Trunc(p.Height * rb) + 1);
        const QRect previewInk = test::InkBox(preview.image, previewBand, 32);
        if (line.text.isEmpty()) {
            EXPECT_TRUE(ink.isNull());
            continue;
        }
        ++inked;
        ASSERT_FALSE(ink.isNull()) << line.text.toStdString();
        ASSERT_FALSE(previewInk.isNull()) << line.text.toStdString();
        // The ink stays inside the measured box on the page.
        EXPECT_GE(ink.left(), p.X - 1);
        EXPECT_LE(ink.right(), p.X + p.Width + 1);
        // The preview draws the line at P(X), P(Y) and the printed letters
        // scaled from there: each edge of the page's ink, mapped so, lies
        // within a preview pixel of the preview's own ink edge.
        const int px = Trunc((p.X + 50) * rb);
        const int py = Trunc((p.Y + 40) * rb);
        const std::string what = line.text.toStdString();
        EXPECT_NEAR(previewInk.left(), px + (ink.left() - p.X) * rb, 1.0) << what;
        EXPECT_NEAR(previewInk.right() + 1, px + (ink.right() + 1 - p.X) * rb, 1.0) << what;
        EXPECT_NEAR(previewInk.top(), py + (ink.top() - p.Y) * rb, 1.0) << what;
        EXPECT_NEAR(previewInk.bottom() + 1, py + (ink.bottom() + 1 - p.Y) * rb, 1.0) << what;
    }
    EXPECT_EQ(inked, 3);
}

TEST_F(PageImages, PreviewShowsTheWholeSheetAndMasksTheUnprintableEdges) {
    // One black square far larger than the sheet: its ink covers the whole
    // printable area and would spill over the sheet's unprintable edges.
    state.doc.format.Hani.Hani = kRangePoint;
    state.doc.format.Hani.Point = QStringLiteral("2000");
    state.doc.lines = {QStringLiteral("■")};
    const RenderedImage preview = RenderPreviewImage(state, measure, plain, FontBackend::instance());
    const double rb = state.range.Rb;
    EXPECT_EQ(preview.image.width(), state.range.boxWidth);
    EXPECT_NEAR(preview.image.width(), 3508 * rb, 1.0);
    const QRect ink = test::InkBox(preview.image, preview.image.rect());
    // Ink up to the masks right of and below the printable area, white beyond.
    EXPECT_EQ(ink.right() + 1, Trunc((3400 + 50) * rb));
    EXPECT_EQ(ink.bottom() + 1, Trunc((2400 + 40) * rb));
    // The unprintable strips left of and above the printable area show the
    // sheet: the preview does not mask them, so the spilled ink shows there.
    EXPECT_EQ(ink.left(), 0);
}

TEST_F(PageImages, SuppressedPreviewIsNotDrawn) {
    AppState::SuppressRedraw hold(state);
    const RenderedImage preview = RenderPreviewImage(state, measure, plain, FontBackend::instance());
    EXPECT_TRUE(preview.image.isNull());
    EXPECT_FALSE(preview.result.drawn);
}

} // namespace
} // namespace zenpa
