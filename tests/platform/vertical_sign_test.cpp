// A new document's sign, drawn on the preview and on the printed page, read
// back the way it is hung: the landscape sheet turned a quarter clockwise.

#include "ink.h"

#include "core/fixed_printer.h"
#include "core/reset.h"
#include "core/units.h"
#include "platform/font_backend.h"
#include "platform/measuring_canvas.h"
#include "platform/page_images.h"
#include "platform/painter_canvas.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace zenpa {
namespace {

using test::BestTurn;
using test::EmSpec;
using test::InkBox;
using test::InkCentroid;
using test::TurnedClockwise;

const QString kSign = QStringLiteral("大売出し、「本日」セール！ABC123ー");

// A4 at 150 dots per inch without unprintable margins: a page image small
// enough to read back quickly.
PageFacts smallA4() {
    return PageFacts{PageGeometry{150, 150, 1240, 1754, 1240, 1754, 0, 0}, true};
}

// The sign as hung, and the advance cell of every character in it.
struct HungSign {
    QImage image;
    QVector<QRect> cells;
};

// A character as the plain face draws it, upright.
QImage plainGlyph(QChar c) {
    QImage image(128, 96, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PainterCanvas canvas(painter, FontBackend::instance());
    canvas.setFont(EmSpec(QStringLiteral("ＭＳ ゴシック"), 64));
    canvas.textOut(16, 8, QString(c));
    return image;
}

class NewDocumentSign : public ::testing::Test {
protected:
    NewDocumentSign() : m_printer(smallA4()), m_state(m_printer), m_printerCanvas(m_fonts) {
        ResetDocument(m_state.doc, m_printer, PanelSize{}, 96, m_state.range);
        m_state.doc.lines = {kSign};
        m_state.isListedFace = [this](const QString& face) { return m_fonts.hasFace(face); };
    }

    HungSign preview() {
        const RenderedImage r =
            RenderPreviewImage(m_state, m_printerCanvas, m_decorations, m_fonts);
        const PageGeometry& page = m_state.range.page;
        MeasuringCanvas unused(m_fonts);
        const RenderTarget t =
            RenderTarget::Scaled(unused, TargetKind::Preview, m_state.range.Rb, page.OffsetX,
                                 page.OffsetY, r.image.width(), r.image.height());
        const LaidOutLine& line = onlyLine(r);
        // The preview draws the printer's font scaled to the preview.
        FontSpec spec;
        spec.face = line.face;
        spec.size = line.placement.Fs;
        spec.resolution = page.PixY;
        return hang(r.image, QPoint(t.px(line.placement.X), t.py(line.placement.Y)), spec,
                    m_state.range.Rb);
    }

    HungSign page() {
        // The page prints with the range of the last preview, as printing does.
        RenderPreviewImage(m_state, m_printerCanvas, m_decorations, m_fonts);
        const RenderedImage r = RenderPageImage(m_state, m_printerCanvas, m_decorations, m_fonts);
        const LaidOutLine& line = onlyLine(r);
        FontSpec spec;
        spec.face = line.face;
        spec.size = line.placement.Fs;
        spec.resolution = m_state.range.page.PixY;
        return hang(r.image, QPoint(line.placement.X, line.placement.Y), spec);
    }

private:
    static const LaidOutLine& onlyLine(const RenderedImage& r) {
        EXPECT_EQ(r.result.layout.lines.size(), 1);
        // A new document writes vertically.
        EXPECT_EQ(r.result.layout.lines[0].face, QStringLiteral("@ＭＳ ゴシック"));
        return r.result.layout.lines[0];
    }

    // The line was drawn with the top-left corner of its cell at origin, in
    // the font of spec scaled by scale.
    HungSign hang(const QImage& image, QPoint origin, const FontSpec& spec,
                  double scale = 1.0) const {
        HungSign sign;
        sign.image = TurnedClockwise(image);
        const int cellHeight = Trunc(m_fonts.metrics(spec).height() * scale);
        const int left = image.height() - origin.y() - cellHeight; // the cell's top edge, hung
        auto advance = [&](qsizetype n) {
            return Round(m_fonts.measure(spec, kSign.left(n)).width * scale);
        };
        for (qsizetype i = 0; i < kSign.size(); ++i) {
            const int from = origin.x() + advance(i);
            const int to = origin.x() + advance(i + 1);
            sign.cells.push_back(QRect(left, from, cellHeight, to - from));
        }
        return sign;
    }

    const FontBackend& m_fonts = FontBackend::instance();
    FixedPrinterSystem m_printer;
    AppState m_state;
    MeasuringCanvas m_printerCanvas;
    PageDecorations m_decorations;
};

void expectReadsTopToBottom(const HungSign& sign) {
    ASSERT_EQ(sign.cells.size(), kSign.size());
    for (qsizetype i = 0; i < kSign.size(); ++i) {
        const QChar c = kSign[i];
        const QRect cell = sign.cells[i];
        const std::string what = QString(c).toStdString();
        const QRect ink = InkBox(sign.image, cell);
        ASSERT_FALSE(ink.isNull()) << what;
        if (QStringLiteral("大売出し本日セル！").contains(c)) {
            EXPECT_EQ(BestTurn(sign.image, cell, plainGlyph(c)), 0) << what << " stands upright";
        } else if (QStringLiteral("「」ABC123").contains(c)) {
            EXPECT_EQ(BestTurn(sign.image, cell, plainGlyph(c)), 90) << what << " lies turned";
        } else if (c == u'、') {
            const QPointF centre = InkCentroid(sign.image, cell);
            EXPECT_GT(centre.x(), cell.left() + cell.width() / 2.0) << "、 sits right";
            EXPECT_LT(centre.y(), cell.top() + cell.height() / 2.0) << "、 sits high";
        } else if (c == u'ー') {
            EXPECT_GE(ink.height(), 3 * ink.width()) << "ー runs down the column";
        } else {
            ADD_FAILURE() << "no fact for " << what;
        }
    }
}

TEST_F(NewDocumentSign, PreviewReadsTopToBottomWhenHung) {
    expectReadsTopToBottom(preview());
}

TEST_F(NewDocumentSign, PrintedPageReadsTopToBottomWhenHung) {
    expectReadsTopToBottom(page());
}

} // namespace
} // namespace zenpa
