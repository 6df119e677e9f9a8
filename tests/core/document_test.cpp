#include "core/canvas.h"
#include "core/document.h"
#include "core/fixed_printer.h"
#include "core/format_fields.h"
#include "core/reset.h"

#include <gtest/gtest.h>

#include <QSet>

namespace zenpa {
namespace {

TEST(Document, EditorTextToLines) {
    struct Case {
        QString text;
        QStringList lines;
    };
    const Case cases[] = {
        {QString(), {}},
        {QStringLiteral("abc"), {QStringLiteral("abc")}},
        {QStringLiteral("abc\n"), {QStringLiteral("abc")}}, // a final break adds no line
        {QStringLiteral("a\n\nb"), {QStringLiteral("a"), QString(), QStringLiteral("b")}},
        {QStringLiteral("a\r\nb\rc\n\n"), {QStringLiteral("a"), QStringLiteral("b"),
                                           QStringLiteral("c"), QString()}},
        {QStringLiteral("\n"), {QString()}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SplitEditorText(c.text), c.lines) << c.text.toStdString();
        // Joining gives text that splits into the same lines again.
        EXPECT_EQ(SplitEditorText(JoinEditorText(c.lines)), c.lines) << c.text.toStdString();
    }
    EXPECT_EQ(JoinEditorText({QStringLiteral("a"), QStringLiteral("b")}), QStringLiteral("a\nb"));
}

TEST(Document, EmptyTextIsLaidOutAsOneBlank) {
    Document d;
    EXPECT_EQ(d.layoutLines(), QStringList{QStringLiteral(" ")});
    EXPECT_TRUE(d.lines.isEmpty());
    d.lines = {QString(), QStringLiteral("x")};
    EXPECT_EQ(d.layoutLines(), d.lines);
}

TEST(FormatRecord, PointSizeTextAndTextColour) {
    FormatRecord r;
    EXPECT_EQ(r.pointSize(), 100);
    r.Hani.Point = QString();
    EXPECT_EQ(r.pointSize(), 1);
    r.Hani.Point = QStringLiteral("abc");
    EXPECT_EQ(r.pointSize(), 1);
    r.Hani.Point = QStringLiteral("2000");
    EXPECT_EQ(r.pointSize(), 2000);

    r.Font.Color = MakeColor(1, 1, 1);
    r.Font.STColor = MakeColor(2, 2, 2);
    EXPECT_EQ(r.textColor(), MakeColor(1, 1, 1));
    r.Font.SColor = kOtherColor;
    EXPECT_EQ(r.textColor(), MakeColor(2, 2, 2));
}

TEST(FormatFields, EveryFieldNamedOnceAndSettableFromText) {
    QSet<QString> names;
    FormatRecord r;
    for (const FieldInfo& f : FormatFields()) {
        const QString name = QString::fromLatin1(f.name);
        EXPECT_FALSE(names.contains(name.toLower())) << f.name;
        names.insert(name.toLower());
        EXPECT_EQ(FindFormatField(name.toUpper()), &f);
        // Writing a field's text back leaves the record unchanged.
        const QString text = FormatFieldText(r, f);
        FormatRecord copy = r;
        EXPECT_TRUE(SetFormatField(copy, f, text)) << f.name << " " << text.toStdString();
        EXPECT_EQ(FormatFieldText(copy, f), text) << f.name;
    }
    for (const char* n : {"Font.Name", "Kakudai.Number", "LogFont.CBLfontQuality1",
                          "Gazo.CenterY", "Colors.ColorP", "Menu.Gradation", "Paper.Name"})
        EXPECT_NE(FindFormatField(QString::fromLatin1(n)), nullptr) << n;
    EXPECT_EQ(FindFormatField(QStringLiteral("Font.Nope")), nullptr);
}

TEST(FormatFields, ValuesByKind) {
    FormatRecord r;
    auto set = [&](const char* name, const char* value) {
        return SetFormatField(r, *FindFormatField(QString::fromLatin1(name)),
                              QString::fromUtf8(value));
    };
    EXPECT_TRUE(set("Hani.Left", "12"));
    EXPECT_EQ(r.Hani.Left, 12);
    EXPECT_TRUE(set("Waku.Waku", "1"));
    EXPECT_TRUE(r.Waku.Waku);
    EXPECT_TRUE(set("Font.STColor", "clRed"));
    EXPECT_EQ(r.Font.STColor, 0x0000FFu);
    EXPECT_TRUE(set("Font.Name", "IPAGothic"));
    EXPECT_EQ(r.Font.Name, QStringLiteral("IPAGothic"));
    EXPECT_TRUE(set("Colors.ColorB", "00FF8000"));
    EXPECT_EQ(r.Colors[1], 0x00FF8000u);
    EXPECT_EQ(FormatFieldText(r, *FindFormatField(QStringLiteral("Colors.ColorB"))),
              QStringLiteral("FF8000"));
    EXPECT_EQ(FormatFieldText(r, *FindFormatField(QStringLiteral("Colors.ColorA"))),
              QStringLiteral("FFFFFFFF"));

    const FormatRecord before = r;
    EXPECT_FALSE(set("Hani.Left", "twelve"));
    EXPECT_FALSE(set("Prop.Mode", ""));
    EXPECT_FALSE(set("Font.Color", "red"));
    EXPECT_FALSE(set("Colors.ColorA", "xyz"));
    EXPECT_EQ(r.Hani.Left, before.Hani.Left);
    EXPECT_EQ(r.Font.Color, before.Font.Color);
}

class ResetTest : public ::testing::Test {
protected:
    // A4 portrait at 600 dpi with unprintable margins of 100 px left/top and
    // 120 px right/bottom.
    FixedPrinterSystem printer{PageFacts{{600, 600, 4741, 6796, 4961, 7016, 100, 100}, true}};
    PrintRangeState state;
    Document doc;
};

TEST_F(ResetTest, NewDocumentValues) {
    doc.lines = {QStringLiteral("old")};
    doc.format.Font.Efect = 2;
    doc.format.Waku.Waku = true;
    doc.format.LineFont.Table.row(3)[kColFace] = QStringLiteral("X");
    ResetDocument(doc, printer, PanelSize{800, 600}, 96, state);

    const FormatRecord& f = doc.format;
    EXPECT_TRUE(doc.lines.isEmpty());
    EXPECT_EQ(f.Font.Name, QStringLiteral("@ＭＳ ゴシック"));
    EXPECT_EQ(f.Font.Style, 0);
    EXPECT_EQ(f.Prop.Size, kSizeSame);
    EXPECT_EQ(f.Prop.Set, kAlignCenter);
    EXPECT_EQ(f.Prop.Bai, 100);
    EXPECT_EQ(f.Prop.BaiH, 1);
    EXPECT_TRUE(f.Prop.Mode);
    EXPECT_EQ(f.Hani.Hani, kRangeCenter);
    EXPECT_EQ(f.Hani.Point, QStringLiteral("100"));
    EXPECT_EQ(f.Font.Efect, kEffectNone);
    EXPECT_EQ(f.Font.ShadowWidth, 2);
    EXPECT_EQ(f.Font.ShadowColor, 8);
    EXPECT_EQ(f.Font.Shadow, 3);
    EXPECT_EQ(f.Font.OutLineColor, 15);
    EXPECT_EQ(f.Font.Gradation1Color1, 0);
    EXPECT_EQ(f.Font.Gradation2Color1, 15);
    EXPECT_FALSE(f.Waku.Waku);
    EXPECT_FALSE(f.BG.BG);
    EXPECT_FALSE(f.Gazo.Gazo);
    EXPECT_FALSE(f.LineFont.Mode);
    EXPECT_EQ(f.LineFont.Table, LineFontTable{});
    EXPECT_EQ(f.LineFont.Table.gridRowCount(), 2);
    EXPECT_TRUE(f.Printer.Orientation);
    EXPECT_EQ(f.LogFont.CBLfontchartset1, 1);
    EXPECT_EQ(f.LogFont.CBLfontOutPrecision1, 2);
    EXPECT_EQ(f.Kakudai.Number, 0);

    // Landscape reached the printer, and the range limits are the landscape ones.
    EXPECT_TRUE(printer.landscape());
    EXPECT_EQ(state.page.Width, 6796);
    EXPECT_EQ(f.Hani.Left, state.limits.left.lower);
    EXPECT_EQ(f.Hani.Top, state.limits.top.lower);
    EXPECT_EQ(f.Hani.Right, state.limits.right.lower);
    EXPECT_EQ(f.Hani.Bottom, state.limits.bottom.lower);
    EXPECT_EQ(f.Hani.Width, state.limits.width.upper);
    EXPECT_EQ(f.Hani.Height, state.limits.height.upper);
    EXPECT_EQ(f.Hani.Left, 4);  // 100 px at 600 dpi
    EXPECT_EQ(f.Hani.Right, 5); // 120 px
    // The picture takes the whole printable page from its top-left corner.
    EXPECT_EQ(f.Gazo.Width, 6796);
    EXPECT_EQ(f.Gazo.Height, 4741);
    EXPECT_EQ(f.Gazo.Left, 1);
    EXPECT_EQ(f.Gazo.Top, 1);
}

TEST_F(ResetTest, KeptSettingsSurvive) {
    FormatRecord& f = doc.format;
    f.Font.OutLine = 55;
    f.Font.ShadowColor2 = MakeColor(9, 9, 9);
    f.Font.OutLineColor2 = MakeColor(8, 8, 8);
    f.Font.Gradation1Color2 = MakeColor(7, 7, 7);
    f.Font.Gradation2Color2 = MakeColor(6, 6, 6);
    f.Gazo.Hiritsu = true;
    f.LogFont.SBlogfontheight = 300;
    f.LogFont.SBlogfontwidth = 400;
    f.Printer.Index = 2;
    f.Paper.Name = 11;
    f.Menu.Gradation = true;
    f.Colors[5] = MakeColor(1, 2, 3);
    f.Fontuser.Names = {QStringLiteral("IPAMincho")};
    f.Kakudai.Silver = true;
    const FormatRecord kept = f;
    // and some that do reset
    f.Font.STColor = MakeColor(5, 5, 5);
    f.BG.BGColor = MakeColor(5, 5, 5);
    f.Kakudai.Ren = 2;
    f.LogFont.SELfontescapement1 = 90;

    ResetDocument(doc, printer, PanelSize{}, 96, state);
    EXPECT_EQ(f.Font.OutLine, 55);
    EXPECT_EQ(f.Font.ShadowColor2, kept.Font.ShadowColor2);
    EXPECT_EQ(f.Font.OutLineColor2, kept.Font.OutLineColor2);
    EXPECT_EQ(f.Font.Gradation1Color2, kept.Font.Gradation1Color2);
    EXPECT_EQ(f.Font.Gradation2Color2, kept.Font.Gradation2Color2);
    EXPECT_TRUE(f.Gazo.Hiritsu);
    EXPECT_EQ(f.LogFont.SBlogfontheight, 300);
    EXPECT_EQ(f.LogFont.SBlogfontwidth, 400);
    EXPECT_EQ(f.Printer.Index, 2);
    EXPECT_EQ(f.Paper.Name, 11);
    EXPECT_TRUE(f.Menu.Gradation);
    EXPECT_EQ(f.Colors, kept.Colors);
    EXPECT_EQ(f.Fontuser.Names, kept.Fontuser.Names);
    EXPECT_TRUE(f.Kakudai.Silver);

    EXPECT_EQ(f.Font.STColor, kBlack);
    EXPECT_EQ(f.BG.BGColor, kBlack);
    EXPECT_EQ(f.Kakudai.Ren, 0);
    EXPECT_EQ(f.LogFont.SELfontescapement1, 0);
}

TEST(LineFontTable, RowsAndCells) {
    LineFontTable t;
    EXPECT_EQ(t.dataRowCount(), 1);
    EXPECT_TRUE(t.cell(5, kColFace).isEmpty()); // beyond the table reads empty
    t.row(3)[kColBold] = QStringLiteral("x");
    EXPECT_EQ(t.dataRowCount(), 1); // writing a row does not grow the grid
    t.setGridRowCount(4);
    EXPECT_EQ(t.dataRowCount(), 3);
    EXPECT_EQ(t.gridRowCount(), 4);
    t.setGridRowCount(2);
    EXPECT_EQ(t.dataRowCount(), 1);
    t.setGridRowCount(0);
    EXPECT_EQ(t.dataRowCount(), 0);
    EXPECT_EQ(t.gridRowCount(), 1); // the header row stays
    EXPECT_EQ(t.cell(3, kColBold), QStringLiteral("x")); // a hidden row keeps its cells

    LineFontTable written;
    written.row(5)[kColFace] = QString(); // written empty equals never written
    EXPECT_EQ(written, LineFontTable{});
    written.row(5)[kColFace] = QStringLiteral("F");
    EXPECT_NE(written, LineFontTable{});

    LineFontRow row{};
    row[kColBold] = QStringLiteral("x"); // any text switches a style on
    row[kColStrikeout] = QStringLiteral("取");
    EXPECT_EQ(linecells::style(row), kBoldBit | kStrikeoutBit);
    struct EffectCase {
        const char* cell;
        int effect;
    };
    for (const EffectCase& c : {EffectCase{"影", 1}, {"中", 2}, {"グ", 3}, {"", 0}, {"白", 0},
                                EffectCase{"影 ", 0}}) {
        row[kColEffect] = QString::fromUtf8(c.cell);
        EXPECT_EQ(linecells::effect(row), c.effect) << c.cell;
    }
    struct PercentCase {
        const char* cell;
        int percent;
    };
    for (const PercentCase& c : {PercentCase{"", 100}, {"abc", 100}, {"50", 50}, {"250", 250},
                                 PercentCase{"7x", 100}}) {
        row[kColPercent] = QString::fromUtf8(c.cell);
        EXPECT_EQ(linecells::percent(row), c.percent) << c.cell;
    }
}

} // namespace
} // namespace zenpa
