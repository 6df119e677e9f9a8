// zenpa-cli layout reports, for a vertical-writing "@" face, the widths that
// zenpa-cli render draws.

#include "cli_runner.h"

#include <QImage>
#include <QJsonArray>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace zenpa {
namespace {

using test::RunCli;

// A landscape A4 sheet at 150 dpi: a page image that is quick to read back.
const QString kPage = QStringLiteral("pix=150x150,area=1754x1240");

// Every line is framed by ■, whose side bearings are the same in every line:
// when the reported widths are what the drawing advances, the ink keeps the
// same distance from both ends of each line's reported box.
const QStringList kLines = {
    QStringLiteral("■■"),        QStringLiteral("■大売出し、「本日」ー■"),
    QStringLiteral("■ABC 123■"), QStringLiteral("■セール！Sale■"),
    QStringLiteral("■☺☕■"), // characters from another face
};

int num(const QJsonObject& o, const char* key) {
    return o[QLatin1String(key)].toInt();
}

TEST(CliVertical, LayoutWidthsAreTheWidthsTheRenderDraws) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const char* face : {"@ＭＳ ゴシック", "@IPAPMincho"}) {
        // Left-aligned at a fixed 40 points, so that every line has the same size.
        QStringList args{"--page", kPage,
                         "--set",  "Hani.Hani=4",
                         "--set",  "Hani.Point=40",
                         "--set",  "Prop.Set=0",
                         "--set",  QStringLiteral("Font.Name=") + QString::fromUtf8(face)};
        for (const QString& l : kLines)
            args += QStringList{"--line", l};

        const auto layout = RunCli(QStringList{"layout"} + args);
        ASSERT_EQ(layout.exitCode, 0) << layout.err.toStdString();
        const QJsonArray lines = layout.json()[QStringLiteral("lines")].toArray();
        ASSERT_EQ(lines.size(), kLines.size());

        const QString png = dir.filePath(QStringLiteral("page.png"));
        const auto render =
            RunCli(QStringList{"render"} + args + QStringList{"--target", "page", "-o", png});
        ASSERT_EQ(render.exitCode, 0) << render.err.toStdString();
        const QImage image(png);
        ASSERT_EQ(image.size(), QSize(1754, 1240));

        int firstLeft = 0, firstRight = 0;
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const QJsonObject l = lines[i].toObject();
            const int x = num(l, "X"), y = num(l, "Y");
            const int width = num(l, "Width"), height = num(l, "Height");
            int inkLeft = image.width(), inkRight = -1;
            for (int row = std::max(0, y); row < std::min(image.height(), y + height); ++row)
                for (int col = 0; col < image.width(); ++col)
                    if (qGray(image.pixel(col, row)) < 128) {
                        inkLeft = std::min(inkLeft, col);
                        inkRight = std::max(inkRight, col);
                    }
            ASSERT_GE(inkRight, 0) << face << " line " << i;
            const int left = inkLeft - x;
            const int right = x + width - (inkRight + 1);
            if (i == 0) {
                firstLeft = left;
                firstRight = right;
                EXPECT_GE(left, 0) << face;
                EXPECT_GE(right, 0) << face;
            }
            const std::string what = face + (" " + kLines[i].toStdString());
            EXPECT_NEAR(left, firstLeft, 1) << what;
            EXPECT_NEAR(right, firstRight, 1) << what;
        }
    }
}

} // namespace
} // namespace zenpa
