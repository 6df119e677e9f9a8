// "@" lines on a PDF page draw what they draw on an image: the PDF is read
// back with poppler's pdftoppm at the same resolution.

#include "ink.h"

#include "platform/font_backend.h"
#include "platform/painter_canvas.h"

#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace zenpa {
namespace {

using test::EmSpec;
using test::InkBox;
using test::StrayShare;

constexpr int kDpi = 150;

// Two lines: the plain turned path and the outlined one of synthetic styles.
void drawSign(QPainter& painter) {
    PainterCanvas canvas(painter, FontBackend::instance());
    canvas.setFont(EmSpec(QStringLiteral("@ＭＳ ゴシック"), 40));
    canvas.textOut(20, 20, QStringLiteral("大売出し、「本日」セール！ABC123ー"));
    canvas.setFontStyle(kBoldBit | kItalicBit | kUnderlineBit);
    canvas.textOut(20, 120, QStringLiteral("本日ABC☺"));
}

TEST(VerticalPdf, PdfPageDrawsWhatTheImageDraws) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString pdf = dir.filePath(QStringLiteral("sign.pdf"));
    {
        QPdfWriter writer(pdf);
        writer.setResolution(kDpi);
        writer.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A6), QPageLayout::Landscape, QMarginsF(0, 0, 0, 0)));
        QPainter painter(&writer);
        drawSign(painter);
    }
    QProcess pdftoppm;
    pdftoppm.start(QStringLiteral("pdftoppm"),
                   {QStringLiteral("-r"), QString::number(kDpi), QStringLiteral("-png"),
                    QStringLiteral("-singlefile"), pdf, dir.filePath(QStringLiteral("page"))});
    ASSERT_TRUE(pdftoppm.waitForFinished(60000)) << "pdftoppm (poppler-utils) is needed";
    ASSERT_EQ(pdftoppm.exitCode(), 0) << pdftoppm.readAllStandardError().toStdString();
    const QImage printed(dir.filePath(QStringLiteral("page.png")));
    ASSERT_FALSE(printed.isNull());

    QImage image(printed.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        drawSign(painter);
    }
    ASSERT_FALSE(InkBox(image).isNull());
    const QRect a = InkBox(printed), b = InkBox(image);
    EXPECT_NEAR(a.left(), b.left(), 1);
    EXPECT_NEAR(a.right(), b.right(), 1);
    EXPECT_NEAR(a.top(), b.top(), 1);
    EXPECT_NEAR(a.bottom(), b.bottom(), 1);
    EXPECT_LT(StrayShare(printed, image), 0.02);
    EXPECT_LT(StrayShare(image, printed), 0.02);
}

} // namespace
} // namespace zenpa
