#include "platform/builtin_printer.h"
#include "platform/font_backend.h"
#include "platform/measuring_canvas.h"

#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QFontMetricsF>

#include <gtest/gtest.h>

namespace zenpa {
namespace {

FontSpec points(const char* face, int size, int resolution = 600, int style = 0) {
    FontSpec s;
    s.face = QString::fromUtf8(face);
    s.size = size;
    s.resolution = resolution;
    s.style = style;
    return s;
}

TEST(FontBackend, FaceListHasInstalledFamiliesOnce) {
    const FontBackend& fonts = FontBackend::instance();
    EXPECT_TRUE(fonts.faces().contains(QStringLiteral("IPAGothic")));
    EXPECT_TRUE(fonts.faces().contains(QStringLiteral("IPAMincho")));
    EXPECT_TRUE(fonts.hasFace(QStringLiteral("ipagothic")));
    QStringList lower;
    for (const QString& f : fonts.faces()) {
        EXPECT_FALSE(f.contains(QLatin1String(" ["))) << f.toStdString(); // no foundry copies
        lower.push_back(f.toLower());
    }
    lower.removeDuplicates();
    EXPECT_EQ(lower.size(), fonts.faces().size());
    // Faces other systems' documents name are listed where a stand-in exists,
    // and draw with it.
    EXPECT_TRUE(fonts.hasFace(QStringLiteral("ＭＳ ゴシック")));
    EXPECT_TRUE(fonts.hasFace(QStringLiteral("@ＭＳ ゴシック")));
    EXPECT_TRUE(fonts.hasFace(QStringLiteral("ＭＳ Ｐ明朝")));
    EXPECT_EQ(fonts.resolveFamily(QStringLiteral("ＭＳ Ｐゴシック")), QStringLiteral("IPAPGothic"));
    EXPECT_FALSE(fonts.hasFace(QStringLiteral("MS Gothic"))); // one listed name each
}

TEST(FontBackend, WindowsFacesResolveToInstalledJapaneseFaces) {
    const FontBackend& fonts = FontBackend::instance();
    struct Case {
        const char* face;
        const char* family;
    };
    const Case cases[] = {
        {"@ＭＳ ゴシック", "IPAGothic"}, {"ＭＳ ゴシック", "IPAGothic"},
        {"MS Gothic", "IPAGothic"},        {"ＭＳ Ｐゴシック", "IPAPGothic"},
        {"ＭＳ 明朝", "IPAMincho"},         {"@ＭＳ Ｐ明朝", "IPAPMincho"},
        {"IPAMincho", "IPAMincho"},        {"ipapgothic", "IPAPGothic"},
        {"No Such Face", "IPAGothic"},     {"", "IPAGothic"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(fonts.resolveFamily(QString::fromUtf8(c.face)), QString::fromUtf8(c.family))
            << c.face;
    // The family really is what Qt draws with.
    EXPECT_EQ(QFontInfo(fonts.font(points("ＭＳ 明朝", 12))).family(), QStringLiteral("IPAMincho"));
}

TEST(FontBackend, PointSizesBecomeEmPixelsAsOnPaper) {
    const FontBackend& fonts = FontBackend::instance();
    // 100 pt at 600 dpi: MulDiv(100, 600, 72) = 833 px; 12 pt: 100 px.
    EXPECT_EQ(fonts.metrics(points("IPAGothic", 100)).ppem, 833);
    EXPECT_EQ(fonts.metrics(points("IPAGothic", 12)).ppem, 100);
    EXPECT_EQ(fonts.font(points("IPAGothic", 100)).pixelSize(), 833);
    // IPAGothic's kanji are one em wide, its Latin letters half an em.
    EXPECT_EQ(fonts.measure(points("IPAGothic", 100), QStringLiteral("漢字")).width, 1666);
    EXPECT_EQ(fonts.measure(points("IPAGothic", 100), QStringLiteral("ab")).width, 833);
    // The cell is the rounded ascent plus the rounded descent of the face.
    const FontMetricsPx m = fonts.metrics(points("IPAGothic", 100));
    const QFontMetricsF qt(fonts.font(points("IPAGothic", 100)));
    EXPECT_EQ(m.ascent, qRound(qt.ascent()));
    EXPECT_EQ(m.descent, qRound(qt.descent()));
    EXPECT_EQ(fonts.measure(points("IPAGothic", 100), QString()).height, m.height());
    EXPECT_EQ(fonts.measure(points("IPAGothic", 100), QString()).width, 0);
}

TEST(FontBackend, WidthsScaleLinearlyAndStylesMatter) {
    const FontBackend& fonts = FontBackend::instance();
    const QString text = QStringLiteral("Sale ABC セール");
    const int w100 = fonts.measure(points("IPAPGothic", 100), text).width;
    const int w200 = fonts.measure(points("IPAPGothic", 200), text).width;
    // The em grows from 833 to 1667 px.
    EXPECT_NEAR(w200, w100 * 1667.0 / 833, 2);
    // No pair kerning: a pair measures as the sum of its letters.
    const int av = fonts.measure(points("IPAPGothic", 100), QStringLiteral("AV")).width;
    const int a = fonts.measure(points("IPAPGothic", 100), QStringLiteral("A")).width;
    const int v = fonts.measure(points("IPAPGothic", 100), QStringLiteral("V")).width;
    EXPECT_NEAR(av, a + v, 1);
    // Proportional and fixed faces differ, and the measurement follows the face.
    EXPECT_NE(fonts.measure(points("IPAGothic", 100), text).width, w100);
}

TEST(FontBackend, CellHeightRequestPicksTheLargestFittingEm) {
    const FontBackend& fonts = FontBackend::instance();
    for (int cell : {1, 7, 20, 41, 100, 999}) {
        FontSpec s = points("IPAGothic", 0);
        s.unit = FontSizeUnit::CellPixels;
        s.size = cell;
        const FontMetricsPx m = fonts.metrics(s);
        if (cell >= 2) {
            EXPECT_LE(m.height(), cell) << cell;
        }
        FontSpec bigger = s;
        bigger.unit = FontSizeUnit::EmPixels;
        bigger.size = m.ppem + 1;
        EXPECT_GT(fonts.metrics(bigger).height(), cell - 1) << cell;
    }
}

TEST(MeasuringCanvas, MeasuresWithTheSelectedFont) {
    MeasuringCanvas canvas(FontBackend::instance());
    canvas.setFontFace(QStringLiteral("@ＭＳ ゴシック"));
    canvas.setFontResolution(600);
    canvas.setFontSize(100);
    EXPECT_EQ(canvas.textWidth(QStringLiteral("大売出し")), 4 * 833);
    canvas.setFontSize(50);
    EXPECT_EQ(canvas.textWidth(QStringLiteral("大売出し")), 4 * 417);
    canvas.setFontStyle(kBoldBit);
    EXPECT_GE(canvas.textWidth(QStringLiteral("大売出し")), 4 * 417);
}

TEST(BuiltinPrinter, PagesAt600DotsPerInch) {
    // A4 210 × 297 mm, no unprintable margin.
    PageFacts f = BuiltinPageFacts(9, false);
    EXPECT_EQ(f.page, (PageGeometry{600, 600, 4961, 7016, 4961, 7016, 0, 0}));
    f = BuiltinPageFacts(9, true);
    EXPECT_EQ(f.page, (PageGeometry{600, 600, 7016, 4961, 7016, 4961, 0, 0}));
    // Letter, 8.5 × 11 in.
    EXPECT_EQ(BuiltinPageFacts(1, false).page.Width, 5100);
    EXPECT_EQ(BuiltinPageFacts(1, false).page.Height, 6600);
    // A code that is not a paper: A4.
    EXPECT_EQ(BuiltinPageFacts(0, false).page.Width, 4961);

    BuiltinPrinterSystem printer;
    EXPECT_EQ(printer.printerNames(), QStringList{kBuiltinPrinterName});
    EXPECT_EQ(printer.currentName(), QStringLiteral("PDFファイル"));
    EXPECT_FALSE(printer.setPaperSize(40000));
    EXPECT_EQ(printer.paperSize(), 9);
    EXPECT_TRUE(printer.setPaperSize(11)); // A5
    EXPECT_EQ(printer.pageFacts().page.Width, 3496);
    printer.setLandscape(true);
    EXPECT_EQ(printer.pageFacts().page.Height, 3496);
}

} // namespace
} // namespace zenpa

namespace zenpa {
namespace {

long inkOf(const FontSpec& spec, const QString& text, QSize size) {
    QImage img(size, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    FontBackend::instance().drawText(p, spec, QPointF(10, 10), text, Qt::black);
    p.end();
    long ink = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            ink += qGray(img.pixel(x, y)) < 128 ? 1 : 0;
    return ink;
}

// A face without a bold style is thickened alike at preview and sign sizes
// (where glyphs are drawn as outlines and the engine's own thickening is lost).
TEST(FontBackend, BoldWithoutABoldFaceIsThickAtEverySize) {
    for (int size : {6, 100}) {
        const FontSpec regular = points("IPAGothic", size, 600);
        FontSpec bold = regular;
        bold.style = kBoldBit;
        ASSERT_TRUE(FontBackend::instance().isSyntheticBold(bold));
        const QSize area(4 * 900 + 40, 1000);
        const long plain = inkOf(regular, QStringLiteral("大売出し"), area);
        const long thick = inkOf(bold, QStringLiteral("大売出し"), area);
        EXPECT_GT(thick, plain * 11 / 10) << size;
        // The bold outline (used for clipping) covers the bold ink.
        const QPainterPath outline =
            FontBackend::instance().textPath(bold, QPointF(10, 10), QStringLiteral("大売出し"));
        EXPECT_GT(outline.boundingRect().width(),
                  FontBackend::instance().textPath(regular, QPointF(10, 10), QStringLiteral("大売出し"))
                      .boundingRect()
                      .width())
            << size;
    }
    EXPECT_FALSE(FontBackend::instance().isSyntheticBold(points("IPAGothic", 10, 600)));
}

} // namespace
} // namespace zenpa
