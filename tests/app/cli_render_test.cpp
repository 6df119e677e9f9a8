#include "cli_runner.h"

#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace zenpa {
namespace {

using test::RunCli;

TEST(CliRender, PreviewAndPageImages) {
    QTemporaryDir dir;
    const QString preview = dir.filePath(QStringLiteral("preview.png"));
    const QString page = dir.filePath(QStringLiteral("page.png"));
    const QStringList doc{"--page", "pix=300x300,area=2400x3400,sheet=2480x3508,offset=40x50",
                          "--panel", "500x500", "--line", "大売出し"};
    auto r = RunCli(QStringList{"render"} + doc + QStringList{"--target", "preview", "-o", preview});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    r = RunCli(QStringList{"render"} + doc + QStringList{"--target", "page", "-o", page});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();

    // The preview shows the whole sheet in the panel's box; the page is the
    // printable area at the printer's resolution.
    const QImage p(preview);
    EXPECT_EQ(p.height(), 480);
    EXPECT_EQ(p.width(), 340); // Round(480 / 3508 × 2480 + 0.9)
    const QImage g(page);
    EXPECT_EQ(g.size(), QSize(2400, 3400));
    EXPECT_NEAR(g.dotsPerMeterX() * 0.0254, 300, 0.5);
    // Both have ink, the rest is white.
    auto darkest = [](const QImage& img) {
        int d = 255;
        for (int y = 0; y < img.height(); y += 2)
            for (int x = 0; x < img.width(); x += 2)
                d = std::min(d, qGray(img.pixel(x, y)));
        return d;
    };
    EXPECT_LT(darkest(p), 64);
    EXPECT_LT(darkest(g), 64);
    EXPECT_EQ(qGray(g.pixel(0, 0)), 255);
}

TEST(CliRender, UsageErrors) {
    for (const QStringList& args :
         {QStringList{"render", "--target", "preview"}, QStringList{"render", "-o", "x.png"},
          QStringList{"render", "--target", "paper", "-o", "x.png"}}) {
        const auto r = RunCli(args);
        EXPECT_EQ(r.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_FALSE(r.err.isEmpty());
    }
    const auto r = RunCli({"render", "--target", "page", "-o", "/no/such/dir/x.png"});
    EXPECT_NE(r.exitCode, 0);
    EXPECT_TRUE(r.err.contains(QStringLiteral("/no/such/dir/x.png")));
}

} // namespace
} // namespace zenpa
