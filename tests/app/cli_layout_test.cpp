#include "cli_runner.h"

#include <QJsonArray>
#include <QTemporaryFile>

#include <gtest/gtest.h>

namespace zenpa {
namespace {

using test::RunCli;

// 600 dpi sheet of 5000 × 7000 px, printable area from (100, 100) leaving
// 120 px unprintable on the right and at the bottom: W = 4780, H = 6780.
const QString kPage = QStringLiteral("pix=600x600,area=4781x6781,sheet=5000x7000,offset=100x100");

QJsonObject layout(QStringList args) {
    args.prepend(QStringLiteral("layout"));
    const auto r = RunCli(args);
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    return r.json();
}

QJsonObject range(const QJsonObject& j) { return j[QStringLiteral("range")].toObject(); }
QJsonObject line(const QJsonObject& j, int i) {
    return j[QStringLiteral("lines")].toArray()[i].toObject();
}
int num(const QJsonObject& o, const char* key) { return o[QLatin1String(key)].toInt(); }

TEST(CliLayout, RangeModesOnAVirtualPage) {
    QJsonObject j = layout({"--page", kPage, "--line", "A"});
    EXPECT_EQ(num(range(j), "Px"), 20);
    EXPECT_EQ(num(range(j), "Py"), 20);
    EXPECT_EQ(num(range(j), "Px2"), 4780);
    EXPECT_EQ(num(range(j), "Py2"), 6780);
    const QJsonObject page = j[QStringLiteral("page")].toObject();
    EXPECT_EQ(num(page, "SizeX"), 5000);
    EXPECT_EQ(num(page, "OffsetY"), 100);

    j = layout({"--page", kPage, "--line", "A", "--set", "Hani.Hani=1"});
    EXPECT_EQ(num(range(j), "Px"), 0);
    EXPECT_EQ(num(range(j), "Py"), 0);
    EXPECT_EQ(num(range(j), "Px2"), 4780);
    EXPECT_EQ(num(range(j), "Py2"), 6780);

    j = layout({"--page", kPage, "--set", "Hani.Hani=2", "--set", "Hani.Left=10", "--set",
                "Hani.Top=20"});
    EXPECT_EQ(num(range(j), "Px"), 136);
    EXPECT_EQ(num(range(j), "Py"), 372);
    const QJsonObject labels = j[QStringLiteral("labels")].toObject();
    EXPECT_EQ(labels[QStringLiteral("LhaniX")].toString(), QStringLiteral("4-207"));
    EXPECT_EQ(labels[QStringLiteral("LhaniW")].toString(), QStringLiteral("0-202"));
    EXPECT_EQ(j[QStringLiteral("hani")].toObject()[QStringLiteral("Left")].toInt(), 10);
}

TEST(CliLayout, SizeRules) {
    const QStringList lines{"--page", kPage, "--set", "Font.Name=IPAGothic", "--line", "A",
                            "--line", "ABCDEFGH"};
    // "各行同じ": both lines take the smaller fitted size.
    QJsonObject j = layout(lines);
    const int fitA = num(line(j, 0), "fit");
    const int fitLong = num(line(j, 1), "fit");
    EXPECT_GT(fitA, fitLong);
    EXPECT_EQ(num(line(j, 0), "Fs"), fitLong);
    EXPECT_EQ(num(line(j, 1), "Fs"), fitLong);
    EXPECT_EQ(num(j[QStringLiteral("extent")].toObject(), "MinSize"), fitLong);

    // "各行個別": "A" is larger.
    j = layout(lines + QStringList{"--set", "Prop.Size=1"});
    EXPECT_EQ(num(line(j, 0), "Fs"), fitA);
    EXPECT_EQ(num(line(j, 1), "Fs"), fitLong);

    // Prop.Bai 50 halves the fitted size.
    j = layout(lines + QStringList{"--set", "Prop.Size=1", "--set", "Prop.Bai=50"});
    EXPECT_EQ(num(line(j, 0), "Fs"), fitA / 2);
    EXPECT_EQ(num(line(j, 1), "Fs"), fitLong / 2);
    EXPECT_EQ(j[QStringLiteral("labels")].toObject()[QStringLiteral("Lbai2")].toString(),
              QStringLiteral("50%"));

    // "ポイント指定" draws at the given size, whatever fits.
    j = layout(lines + QStringList{"--set", "Hani.Hani=4", "--set", "Hani.Point=2000"});
    EXPECT_EQ(num(line(j, 0), "Fs"), 2000);
    EXPECT_EQ(num(line(j, 1), "Fs"), 2000);
    EXPECT_LT(num(line(j, 1), "X"), 0); // overflows the range
}

TEST(CliLayout, MeasuresWithRealFaces) {
    // IPAGothic at 100 pt and 600 dpi: a kanji is one 833 px em wide.
    const QJsonObject j = layout({"--page", kPage, "--set", "Font.Name=IPAGothic", "--line",
                                  "大売出し", "--line", ""});
    const QJsonObject first = line(j, 0);
    EXPECT_EQ(num(first, "w100"), 4 * 833);
    EXPECT_EQ(first[QStringLiteral("family")].toString(), QStringLiteral("IPAGothic"));
    // The placement's width is the text at its final size.
    EXPECT_EQ(num(first, "Width"), 4 * ((num(first, "Fs") * 600 * 2 + 72) / 144));
    const QJsonObject empty = line(j, 1);
    EXPECT_EQ(empty[QStringLiteral("text")].toString(), QString());
    EXPECT_EQ(num(empty, "Width"), 0);
    EXPECT_GT(num(empty, "fitWidth"), 0); // sized as a blank
}

TEST(CliLayout, NewDocumentOnTheBuiltinPrinter) {
    const QJsonObject j = layout({});
    const QJsonObject page = j[QStringLiteral("page")].toObject();
    // Landscape A4 at 600 dpi without unprintable margin.
    EXPECT_EQ(num(page, "Width"), 7016);
    EXPECT_EQ(num(page, "Height"), 4961);
    EXPECT_EQ(num(page, "PixY"), 600);
    const QJsonArray lines = j[QStringLiteral("lines")].toArray();
    ASSERT_EQ(lines.size(), 1);
    EXPECT_EQ(lines[0].toObject()[QStringLiteral("text")].toString(), QStringLiteral(" "));
    EXPECT_EQ(lines[0].toObject()[QStringLiteral("face")].toString(),
              QStringLiteral("@ＭＳ ゴシック"));
    const QJsonObject preview = j[QStringLiteral("preview")].toObject();
    EXPECT_EQ(num(preview, "width"), 780);
    EXPECT_NEAR(preview[QStringLiteral("Rb")].toDouble(), 780.0 / 7016, 1e-12);

    // Portrait on request.
    const QJsonObject p = layout({"--set", "Printer.Orientation=0", "--panel", "400x300"});
    EXPECT_EQ(num(p[QStringLiteral("page")].toObject(), "Width"), 4961);
    EXPECT_EQ(num(p[QStringLiteral("preview")].toObject(), "height"), 280);
}

TEST(CliLayout, TextFileInUtf8) {
    QTemporaryFile f;
    ASSERT_TRUE(f.open());
    f.write("一行目\r\n二行目\n");
    f.close();
    const QJsonObject j = layout({"--text-file", f.fileName(), "--line", "三"});
    const QJsonArray lines = j[QStringLiteral("lines")].toArray();
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[1].toObject()[QStringLiteral("text")].toString(), QStringLiteral("二行目"));
    EXPECT_EQ(lines[2].toObject()[QStringLiteral("text")].toString(), QStringLiteral("三"));
}

TEST(CliLayout, UsageErrorsExitWithTwo) {
    struct Case {
        QStringList args;
        const char* mentions;
    };
    const Case cases[] = {
        {{"layout", "--set", "Font.Nope=1"}, "Font.Nope"},
        {{"layout", "--set", "Hani.Left=ten"}, "Hani.Left"},
        {{"layout", "--set", "Font.Color=red"}, "Font.Color"},
        {{"layout", "--set", "novalue"}, "novalue"},
        {{"layout", "--page", "pix=600"}, "pix"},
        {{"layout", "--page", "area=10x10"}, "--page"},
        {{"layout", "--panel", "big"}, "--panel"},
        {{"layout", "--line"}, "--line"},
        {{"layout", "--text-file", "/no/such/file.txt"}, "/no/such/file.txt"},
        {{"layout", "--bogus"}, "--bogus"},
        {{"frobnicate"}, "frobnicate"},
    };
    for (const Case& c : cases) {
        const auto r = RunCli(c.args);
        EXPECT_EQ(r.exitCode, 2) << c.args.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.mentions))) << r.err.toStdString();
        EXPECT_EQ(r.err.trimmed().count(QLatin1Char('\n')), 0) << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty());
    }
}

} // namespace
} // namespace zenpa
