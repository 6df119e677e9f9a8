// The vertical-writing "@" faces: listing, and measuring, drawing and
// outlining that agree with each other.

#include "ink.h"

#include "platform/font_backend.h"
#include "platform/painter_canvas.h"

#include <QFontDatabase>
#include <QPainter>
#include <QPainterPath>

#include <gtest/gtest.h>

namespace zenpa {
namespace {

using test::BestTurn;
using test::InkAt;
using test::InkBox;
using test::StrayShare;

constexpr int kEm = 60;
const QPoint kAt(20, 20); // where the cell's top-left corner is drawn

FontSpec em(const QString& face, int style = 0) {
    return test::EmSpec(face, kEm, style);
}

// The text drawn through the canvas, with hard edges.
QImage drawn(const FontSpec& spec, const QString& text) {
    const FontBackend& fonts = FontBackend::instance();
    QImage image(fonts.measure(spec, text).width + 2 * kAt.x(), 2 * kEm, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PainterCanvas canvas(painter, fonts);
    canvas.setAntialiasedText(false);
    canvas.setFont(spec);
    canvas.textOut(kAt.x(), kAt.y(), text);
    return image;
}

long totalInk(const QImage& image) {
    long sum = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            sum += InkAt(image, x, y);
    return sum;
}

// Rows of the image whose ink covers at least 95% of the text's width: the
// underline and the strikeout.
QVector<int> fullRows(const QImage& image, int width) {
    QVector<int> rows;
    for (int y = 0; y < image.height(); ++y) {
        int covered = 0;
        for (int x = kAt.x(); x < kAt.x() + width; ++x)
            covered += InkAt(image, x, y) >= 128;
        if (covered >= width * 95 / 100)
            rows.push_back(y);
    }
    return rows;
}

TEST(VerticalFaces, EveryJapaneseFaceIsListedAgainWithAnAtAfterThePlainFaces) {
    const FontBackend& fonts = FontBackend::instance();
    const QStringList& faces = fonts.faces();
    const qsizetype firstVertical =
        std::find_if(faces.begin(), faces.end(),
                     [](const QString& f) { return f.startsWith('@'); }) -
        faces.begin();
    ASSERT_LT(firstVertical, faces.size());
    const QStringList plain = faces.mid(0, firstVertical);
    const QStringList vertical = faces.mid(firstVertical);
    for (const QString& f : plain) {
        // A listed stand-in name ("ＭＳ ゴシック") writes what its stand-in writes.
        const bool japanese = QFontDatabase::writingSystems(fonts.resolveFamily(f))
                                  .contains(QFontDatabase::Japanese);
        EXPECT_EQ(vertical.contains(QLatin1Char('@') + f), japanese) << f.toStdString();
    }
    for (const QString& f : vertical)
        EXPECT_TRUE(f.startsWith('@') && plain.contains(f.mid(1))) << f.toStdString();

    EXPECT_TRUE(fonts.hasFace(QStringLiteral("@ipapmincho")));
    EXPECT_FALSE(fonts.hasFace(QStringLiteral("@DejaVu Sans")));
    EXPECT_EQ(fonts.resolveFamily(QStringLiteral("@IPAPGothic")), QStringLiteral("IPAPGothic"));
    // The cell is the plain face's.
    EXPECT_EQ(fonts.measure(em(QStringLiteral("@IPAMincho")), QString()).height,
              fonts.measure(em(QStringLiteral("IPAMincho")), QString()).height);
}

// Every text is framed by ■, whose side bearings stay the same wherever it
// stands: if the measured width is what the drawing advances, the ink keeps
// the same distance from both ends of the measured box for every text.
TEST(VerticalFaces, MeasuredWidthIsWhatTheDrawingAdvances) {
    const FontBackend& fonts = FontBackend::instance();
    const QString middles[] = {
        QString(),
        QStringLiteral("大売出し"),
        QStringLiteral("、「本日」ー"),
        QStringLiteral("ABC 123"),
        QStringLiteral("セール！Sale"),
        QStringLiteral("☺☕"), // from another face
    };
    for (const char* face : {"@IPAGothic", "@IPAPGothic", "@IPAMincho", "@ＭＳ Ｐゴシック"}) {
        const FontSpec spec = em(QString::fromUtf8(face));
        const int cell = fonts.metrics(spec).height();
        int left0 = 0, right0 = 0;
        for (const QString& middle : middles) {
            const QString text = QStringLiteral("■") + middle + QStringLiteral("■");
            const int width = fonts.measure(spec, text).width;
            const QRect ink = InkBox(drawn(spec, text));
            const int left = ink.left() - kAt.x();
            const int right = kAt.x() + width - (ink.right() + 1);
            if (middle.isEmpty()) {
                left0 = left;
                right0 = right;
                EXPECT_GE(left, 0) << face;
                EXPECT_GE(right, 0) << face;
            }
            const std::string what = face + (" " + text.toStdString());
            EXPECT_NEAR(left, left0, 1) << what;
            EXPECT_NEAR(right, right0, 1) << what;
            EXPECT_GE(ink.top(), kAt.y()) << what;
            EXPECT_LE(ink.bottom(), kAt.y() + cell) << what;
        }
    }
}

// Underline and strikeout run along the line as on the plain face, bold
// thickens the turned glyphs too.
TEST(VerticalFaces, StylesBehaveAsOnThePlainFace) {
    const FontBackend& fonts = FontBackend::instance();
    const QString text = QStringLiteral("大売ABC");
    const QString vertical = QStringLiteral("@IPAGothic");
    const int width = fonts.measure(em(vertical), text).width;
    EXPECT_TRUE(fullRows(drawn(em(vertical), text), width).isEmpty());

    for (int style : {int(kUnderlineBit), int(kStrikeoutBit)}) {
        const QVector<int> rows = fullRows(drawn(em(vertical, style), text), width);
        const QVector<int> plainRows =
            fullRows(drawn(em(QStringLiteral("IPAGothic"), style), text),
                     fonts.measure(em(QStringLiteral("IPAGothic")), text).width);
        ASSERT_FALSE(rows.isEmpty()) << style;
        ASSERT_FALSE(plainRows.isEmpty()) << style;
        EXPECT_NEAR(rows.first(), plainRows.first(), 1) << style;
        EXPECT_NEAR(rows.last(), plainRows.last(), 1) << style;
    }
    EXPECT_GT(totalInk(drawn(em(vertical, kBoldBit), QStringLiteral("大売出し"))),
              totalInk(drawn(em(vertical), QStringLiteral("大売出し"))) * 11 / 10);
}

// The outline that clips gradation text covers what the drawing inks.
TEST(VerticalFaces, OutlineMatchesTheDrawing) {
    const FontBackend& fonts = FontBackend::instance();
    struct Case {
        const char* face;
        int style;
        const char* text;
    };
    const Case cases[] = {
        {"@IPAGothic", 0, "大売出し、「本日」セール！ABC123ー"},
        {"@IPAPMincho", kUnderlineBit | kStrikeoutBit, "本日ABC"},
        {"@IPAGothic", kBoldBit, "☺大"},
        {"@IPAMincho", kBoldBit | kItalicBit, "大売出し"}, // synthetic bold and italic
    };
    for (const Case& c : cases) {
        const FontSpec spec = em(QString::fromUtf8(c.face), c.style);
        const QString text = QString::fromUtf8(c.text);
        const QImage ink = drawn(spec, text);
        QImage filled(ink.size(), QImage::Format_RGB32);
        filled.fill(Qt::white);
        {
            QPainter painter(&filled);
            painter.fillPath(fonts.textPath(spec, kAt, text), Qt::black);
        }
        EXPECT_LT(StrayShare(ink, filled), 0.01) << c.text << ": ink outside the outline";
        EXPECT_LT(StrayShare(filled, ink), 0.01) << c.text << ": outline without ink";
    }
    // Blanks have no outline, so a clip to them is refused.
    EXPECT_TRUE(
        fonts.textPath(em(QStringLiteral("@IPAGothic")), kAt, QStringLiteral("　 　")).isEmpty());
}

// Which way a character faces in an "@" line drawn on the page, compared with
// the plain face: turned a quarter counter-clockwise (270) or as drawn (0).
TEST(VerticalFaces, EachCharacterTurnsByItsOwnNature) {
    struct Case {
        const char* character;
        int turn;
        const char* why;
    };
    const Case cases[] = {
        {"大", 270, "ideographs stand upright in a column"},
        {"ア", 270, "so do kana"},
        {"！", 270, "full-width punctuation without a vertical form stands upright"},
        {"A", 0, "Latin letters lie on their side"},
        {"7", 0, "so do digits"},
        {"：", 0, "IPAGothic has no vertical colon, and the plain one lies on its side"},
        {"☺", 270, "a character the face lacks stands upright in its fallback face"},
    };
    for (const Case& c : cases) {
        const QString text = QString::fromUtf8(c.character);
        const QImage vertical = drawn(em(QStringLiteral("@IPAGothic")), text);
        const QImage plain = drawn(em(QStringLiteral("IPAGothic")), text);
        EXPECT_EQ(BestTurn(vertical, vertical.rect(), plain), c.turn)
            << c.character << ": " << c.why;
    }
}

} // namespace
} // namespace zenpa
