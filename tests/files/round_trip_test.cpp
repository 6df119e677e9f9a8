#include "files_fixture.h"

#include "core/format_fields.h"
#include "decor/line_table.h"

#include <QStringDecoder>

#include <map>

namespace zenpa::test {
namespace {

// Fields the format file does not store.
bool stored(const FieldInfo& field) {
    return !QLatin1String(field.name).startsWith(QLatin1String("Kakudai."));
}

// A value other than the new-document value for every stored field, each
// within the limits its setting takes.
const std::map<QString, QString> kValues = {
    {"Font.Name", "IPA明朝"},
    {"Font.Style", "13"},
    {"Font.Color", "$00123456"},
    {"Font.SColor", "16"},
    {"Font.STColor", "$00ABCDEF"},
    {"Font.Efect", "3"},
    {"Font.ShadowWidth", "12"},
    {"Font.ShadowColor", "4"},
    {"Font.ShadowColor2", "clBtnFace"},
    {"Font.Shadow", "6"},
    {"Font.OutLine", "33"},
    {"Font.OutLineColor", "3"},
    {"Font.OutLineColor2", "clMoneyGreen"},
    {"Font.Gradation1Color1", "9"},
    {"Font.Gradation1Color2", "$00010203"},
    {"Font.Gradation2Color1", "11"},
    {"Font.Gradation2Color2", "$00040506"},
    {"Prop.Mode", "0"},
    {"Prop.Size", "1"},
    {"Prop.Set", "2"},
    {"Prop.Bai", "55"},
    {"Prop.BaiH", "77"},
    {"BG.BG", "1"},
    {"BG.Style", "7"},
    {"BG.Color", "14"},
    {"BG.BGColor", "clNone"},
    {"Waku.Waku", "1"},
    {"Waku.Style", "5"},
    {"Waku.PenStyle", "4"},
    {"Waku.PenColor", "13"},
    {"Waku.Pcolor", "clDefault"},
    {"Waku.PenWidth", "250"},
    {"Waku.Wakuset", "66"},
    {"Waku.Brush", "1"},
    {"Waku.BrushStyle", "3"},
    {"Waku.BrushColor", "12"},
    {"Waku.Bcolor", "$00FFFFFE"},
    {"Hani.Hani", "2"},
    {"Hani.Left", "20"},
    {"Hani.Top", "30"},
    {"Hani.Right", "25"},
    {"Hani.Bottom", "35"},
    {"Hani.Width", "150"},
    {"Hani.Height", "250"},
    {"Hani.Center", "1"},
    {"Hani.Point", "72"},
    {"Gazo.Gazo", "1"},
    {"Gazo.Hiritsu", "1"},
    {"Gazo.File", "set below"},
    {"Gazo.Width", "1000"},
    {"Gazo.Height", "2000"},
    {"Gazo.Left", "10"},
    {"Gazo.Top", "20"},
    {"Gazo.CenterX", "1"},
    {"Gazo.CenterY", "1"},
    {"LineFont.Mode", "1"},
    {"LogFont.CBLfont1", "1"},
    {"LogFont.SELfontescapement1", "90"},
    {"LogFont.CBLfontweight1", "7"},
    {"LogFont.CBLfontchartset1", "3"},
    {"LogFont.CBLfontOutPrecision1", "5"},
    {"LogFont.SBlogfontheight", "500"},
    {"LogFont.SBlogfontwidth", "250"},
    {"LogFont.CBfontClipPrecision1", "4"},
    {"LogFont.CBLfontQuality1", "2"},
    {"Printer.Index", "2"},
    {"Printer.Orientation", "0"},
    {"Paper.Name", "8"},
    {"Menu.Gradation", "1"},
};

QString afterSystemSection(const QByteArray& bytes) {
    QStringDecoder utf16(QStringConverter::Utf16LE);
    const QString text = utf16.decode(bytes);
    return text.mid(text.indexOf(QStringLiteral("[File]")));
}

TEST_F(FilesTest, EverySettingAndTheTextSurviveWritingAndReading) {
    const QString picture = path("picture.jpg");
    writeBytes(picture, "picture");
    const QString other = path("other.zps");
    writeBytes(other, "");

    FormatRecord& f = format();
    for (const FieldInfo& field : FormatFields()) {
        if (!stored(field) || QLatin1String(field.name).startsWith(QLatin1String("Colors.")))
            continue;
        const auto value = kValues.find(QLatin1String(field.name));
        ASSERT_NE(value, kValues.end()) << "no test value for " << field.name;
        ASSERT_TRUE(SetFormatField(f, field, value->second)) << field.name;
        ASSERT_NE(FormatFieldText(Program().format(), field), FormatFieldText(f, field))
            << field.name << " keeps its new-document value";
    }
    f.Gazo.File = picture;
    for (int i = 0; i < 16; ++i)
        f.Colors[static_cast<std::size_t>(i)] = 0x00100000u * static_cast<unsigned>(i) + 7u;
    f.Fontuser.Names = {QStringLiteral(" edge "), QStringLiteral("IPAGothic")};
    program.printers.select(f.Printer.Index);
    program.printers.setLandscape(f.Printer.Orientation);
    program.printers.setPaperSize(f.Paper.Name);
    state().computePrintRange();

    QStringList& lines = state().doc.lines;
    lines = {QStringLiteral(" edge "),           QString(),
             QStringLiteral("#hash#"),           QStringLiteral("a=b; [c]"),
             QStringLiteral("全角　スペース　"), QStringLiteral("\t tab")};
    SyncLineTable(lines, f, nullptr);
    for (int n = 1; n <= lines.size(); ++n) {
        LineFontRow& row = f.LineFont.Table.row(n);
        row[kColFace] = QStringLiteral("Face%1").arg(n);
        row[kColColor] = ColorItemName(n + 10);
        row[kColBold] = n % 2 ? QStringLiteral("太") : QString();
        row[kColUnderline] = QStringLiteral("x");
        row[kColEffect] = EffectMark(n % 4);
        row[kColPercent] = QString::number(100 + n * 10);
    }
    state().window = WindowPlace{100, 50, 1024, 700, 3};
    state().saveFileName = other;
    state().openFileName = other;

    const QString file = path("all.zps");
    ASSERT_TRUE(program.write(file));
    Program copy;
    ASSERT_TRUE(copy.read(file, ModeStartup));

    for (const FieldInfo& field : FormatFields()) {
        if (stored(field)) {
            EXPECT_EQ(FormatFieldText(copy.format(), field), FormatFieldText(f, field))
                << field.name;
        }
    }
    EXPECT_EQ(copy.state.doc.lines, lines);
    EXPECT_EQ(copy.format().Fontuser.Names, f.Fontuser.Names);
    EXPECT_EQ(copy.format().LineFont.Table.gridRowCount(), f.LineFont.Table.gridRowCount());
    for (int n = 1; n <= lines.size(); ++n)
        EXPECT_EQ(copy.format().LineFont.Table.row(n), f.LineFont.Table.row(n)) << "row " << n;
    EXPECT_EQ(copy.state.window, state().window);
    EXPECT_EQ(copy.state.saveFileName, other);
    EXPECT_EQ(copy.state.openFileName, other);
    EXPECT_EQ(copy.printers.currentIndex(), 2);
    EXPECT_FALSE(copy.printers.landscape());
    EXPECT_EQ(copy.printers.paperSize(), 8);

    // Written again, the copy gives the same file but for the moment of writing.
    EXPECT_EQ(afterSystemSection(FormatFileBytes(copy.state, copy.canvas, file)),
              afterSystemSection(FormatFileBytes(state(), program.canvas, file)));
}

} // namespace
} // namespace zenpa::test
