#include "files_fixture.h"

#include "files/ini_text.h"
#include "files/safe_save.h"

#include <QDir>
#include <QStringDecoder>

namespace zenpa::test {
namespace {

class FormatWriter : public FilesTest {
protected:
    QString writtenText() {
        const QByteArray bytes = FormatFileBytes(state(), program.canvas, path("doc.zps"));
        EXPECT_TRUE(bytes.startsWith("\xFF\xFE"));
        QStringDecoder utf16(QStringConverter::Utf16LE);
        return utf16.decode(QByteArrayView(bytes).sliced(2));
    }
    IniFile written() { return IniFile::parse(writtenText()); }
    QString value(const IniFile& ini, const char* section, const char* key) {
        return ini.value(QLatin1String(section), QLatin1String(key))
            .value_or(QStringLiteral("<missing>"));
    }
};

// Every section and key, in the order the file lists them.
TEST_F(FormatWriter, SectionsAndKeysInOrder) {
    state().doc.lines = {QStringLiteral("a"), QStringLiteral("b")};
    format().Fontuser.Names = {QStringLiteral("F")};
    const QStringList expected = {
        "System:Program,Version,Date,Time,Drive,DiskSize,DiskFree,Filename",
        "File:Save,Open,File",
        "Printer:Name,Index,PixX,PixY,Orientation",
        "Paper:Name,Source,SizeX,SizeY,OffsetX,OffsetY,Width,Height,Px,Py,Px2,Py2,Caption",
        "Form:Left,Top,Width,Height,Pixelsperinch,State",
        "Font:Name,Style,Color,STColor,SColor,Efect,ShadowWidth,ShadowColor,ShadowColor2,Shadow,"
        "OutLine,OutLineColor,OutLineColor2,Gradation1Color1,Gradation1Color2,Gradation2Color1,"
        "Gradation2Color2",
        "Prop:Mode,Size,Set,Bai,BaiH,Rb",
        "BG:BG,Style,Color,BGColor",
        "Waku:Waku,Style,PenStyle,PenColor,Pcolor,PenWidth,Wakuset,Brush,BrushStyle,BrushColor,"
        "Bcolor",
        "Hani:Hani,Left,Top,Right,Bottom,Width,Height,Center,X,Y,X2,Y2,W,H,Point",
        "Gazo:Gazo,Hiritsu,File,Width,Height,Left,Top,LWidth,LHeight,LLeft,LTop,CenterX,CenterY",
        "Fontuser:count,Line0",
        "Menu:Gradation",
        "Memo:Count,Length",
        "Line01:Line,Length,X,Y,Fs,Width,Height",
        "Line02:Line,Length,X,Y,Fs,Width,Height",
        "LineFont:Mode,Rowcount",
        "Lfont01:FontName,FontColor,FontBold,FontItalic,FontUnderline,FontStrikeout,Effect,Bai",
        "Colors:ColorA,ColorB,ColorC,ColorD,ColorE,ColorF,ColorG,ColorH,ColorI,ColorJ,ColorK,"
        "ColorL,ColorM,ColorN,ColorO,ColorP",
        "LogFont:CBLfont1,SELfontescapement1,CBLfontweight1,CBLfontchartset1,"
        "CBLfontOutPrecision1,SBlogfontheight,SBlogfontwidth,CBfontClipPrecision1,"
        "CBLfontQuality1",
    };
    // Rebuild the same shape from the text: every line ends in CR LF and an
    // empty line closes each section.
    const QString text = writtenText();
    ASSERT_TRUE(text.endsWith(QStringLiteral("\r\n\r\n")));
    ASSERT_EQ(text.count(u'\r'), text.count(QStringLiteral("\r\n")));
    ASSERT_EQ(text.count(u'\n'), text.count(QStringLiteral("\r\n")));
    QStringList actual;
    for (const QString& block : text.split(QStringLiteral("\r\n\r\n"), Qt::SkipEmptyParts)) {
        QStringList lines = block.split(QStringLiteral("\r\n"));
        QString header = lines.takeFirst();
        ASSERT_TRUE(header.startsWith(u'[') && header.endsWith(u']')) << header.toStdString();
        QStringList keys;
        for (const QString& line : lines)
            keys << line.left(line.indexOf(u'='));
        actual << header.mid(1, header.size() - 2) + u':' + keys.join(u',');
    }
    EXPECT_EQ(actual, expected);
}

TEST_F(FormatWriter, ValuesAsStored) {
    FormatRecord& f = format();
    f.Font.Color = MakeColor(255, 0, 0);
    f.Font.STColor = 0x123456;
    f.Font.ShadowColor2 = 0xFF000005; // a system colour
    f.Colors[0] = 0x00ABCDEF;
    f.Colors[1] = 0x12;
    f.Fontuser.Names = {QStringLiteral(" 游明朝 ")};
    state().doc.lines = {QStringLiteral(" abc "), QString()};
    f.LineFont.Table.setGridRowCount(3);
    f.LineFont.Table.row(1)[kColColor] = QStringLiteral("その他");
    f.LineFont.Table.row(2)[kColColor] = QStringLiteral("red");
    state().saveFileName = QStringLiteral("/docs/a.zps");

    struct Case {
        const char* section;
        const char* key;
        QString stored;
    };
    const Case cases[] = {
        {"Font", "Color", "clRed"},
        {"Font", "STColor", "$00123456"},
        {"Font", "ShadowColor2", "clWindow"},
        {"Colors", "ColorA", "ABCDEF"},
        {"Colors", "ColorB", "000012"},
        {"Colors", "ColorC", "FFFFFFFF"},
        {"Fontuser", "Line0", "# 游明朝 #"},
        {"Line01", "Line", "# abc #"},
        {"Line01", "Length", "5"},
        {"Line02", "Line", "##"},
        {"Memo", "Length", "7"}, // 5 + CR LF + 0
        {"Lfont01", "FontColor", "16"},
        {"Lfont02", "FontColor", "-1"},
        {"LineFont", "Rowcount", "3"},
        {"Printer", "Name", "Printer A"},
        {"Printer", "Orientation", "1"},
        {"Paper", "Caption", "A4 210x297"},
        {"File", "Save", "/docs/a.zps"},
        {"File", "File", "doc.zps"},
        {"System", "Filename", path("doc.zps")},
        {"Font", "Name", "@ＭＳ ゴシック"},
        {"Hani", "Point", "100"},
    };
    const IniFile ini = written();
    for (const Case& c : cases)
        EXPECT_EQ(value(ini, c.section, c.key), c.stored) << c.section << "." << c.key;
    // The range labels of the last range computation.
    EXPECT_EQ(value(ini, "Hani", "X"), MarginLimitLabel(state().range.limits.left));
    EXPECT_TRUE(value(ini, "System", "DiskSize").endsWith(QStringLiteral(" byte")));

    state().doc.lines.clear();
    const IniFile empty = written();
    EXPECT_EQ(value(empty, "Memo", "Count"), "0");
    EXPECT_FALSE(empty.hasSection(QStringLiteral("Line01")));
}

// Line placement on a 72 dpi page of 1001 × 601 pixels ("用紙最大": the range
// is 0, 0, 1000, 600), with the fake canvas: em = points, ASCII advances half
// an em, cell height 6/5 em. Two lines, "AB" and "ABCDEFGHIJ": q = 2.02,
// f = 297.03, g = 2.97. At 100 points "AB" is 100 wide and fits 247 points
// (by height); the long line is 500 wide and fits 200 (by width).
class LinePlacementValues : public FormatWriter {
protected:
    void SetUp() override {
        PageFacts page;
        page.page = PageGeometry{72, 72, 1001, 601, 1001, 601, 0, 0};
        program.printers.setPortraitFacts(page);
        program.printers.setFixedOrientationFacts(true);
        state().doc.lines = {QStringLiteral("AB"), QStringLiteral("ABCDEFGHIJ")};
        format().Hani.Hani = kRangeMaximum;
        state().computePrintRange();
    }
    // X, Y, Fs, Width, Height of a line.
    std::array<int, 5> line(int n) {
        const IniFile ini = written();
        const QString section = QStringLiteral("Line0%1").arg(n);
        std::array<int, 5> v{};
        const char* keys[] = {"X", "Y", "Fs", "Width", "Height"};
        for (int i = 0; i < 5; ++i)
            v[static_cast<std::size_t>(i)] =
                ini.value(section, QLatin1String(keys[i])).value_or("-999").toInt();
        return v;
    }
};

TEST_F(LinePlacementValues, SameSizeForAllLines) {
    // Both lines take the smaller fitted size, 200 points, centred.
    EXPECT_EQ(line(1), (std::array<int, 5>{400, 31, 200, 200, 240}));
    EXPECT_EQ(line(2), (std::array<int, 5>{0, 328, 200, 1000, 240}));
}

TEST_F(LinePlacementValues, EachLineItsOwnSize) {
    format().Prop.Size = kSizeEach;
    EXPECT_EQ(line(1), (std::array<int, 5>{376, 3, 247, 247, 296}));
    format().Prop.Set = kAlignRight; // to MaxRight (1000) of the extent pass
    EXPECT_EQ(line(1)[0], 1000 - 247);
    format().Prop.Set = kAlignLeft; // to MinLeft (0)
    EXPECT_EQ(line(1)[0], 0);
}

TEST_F(LinePlacementValues, FixedPointSizeIsIgnored) {
    format().Hani.Hani = kRangePoint;
    format().Hani.Point = QStringLiteral("50");
    state().computePrintRange();
    EXPECT_EQ(line(1)[2], 200);
}

TEST_F(LinePlacementValues, RowPercentagesWithMainFace) {
    FormatRecord& f = format();
    f.LineFont.Mode = true;
    f.LineFont.Table.row(1)[kColPercent] = QStringLiteral("50");
    f.LineFont.Table.row(1)[kColBold] = QStringLiteral("太");   // not used: the main style is
    f.LineFont.Table.row(2)[kColPercent] = QStringLiteral("x"); // counts as 100
    const auto l1 = line(1);
    EXPECT_EQ(l1[2], 123); // Trunc(0.5 × 247)
    EXPECT_EQ(l1[3], 123);
    EXPECT_EQ(line(2)[2], 200);
}

TEST_F(FormatWriter, SavingTwiceKeepsTheFirstVersion) {
    const QString doc = path("a.zps");
    const QString backup = path("a.$$$");
    EXPECT_EQ(BackupPath(doc), backup);
    writeBytes(backup, "stale");
    state().doc.lines = {QStringLiteral("first")};
    ASSERT_TRUE(program.write(doc));
    EXPECT_FALSE(QFile::exists(backup)); // no previous version: the stale backup goes
    const QByteArray first = readBytes(doc);

    state().doc.lines = {QStringLiteral("second")};
    ASSERT_TRUE(program.write(doc));
    EXPECT_EQ(readBytes(backup), first);
    Program reader;
    ASSERT_TRUE(reader.read(backup));
    EXPECT_EQ(reader.state.doc.lines, QStringList{QStringLiteral("first")});
    ASSERT_TRUE(reader.read(doc));
    EXPECT_EQ(reader.state.doc.lines, QStringList{QStringLiteral("second")});
    // Nothing else is left in the folder.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::NoDotAndDotDot).size(), 2);
}

TEST_F(FormatWriter, FailureLeavesDocumentAndBackup) {
    const QString doc = path("b.zps");
    writeBytes(doc, "document");
    // The backup cannot be replaced: it is a folder.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("b.$$$")));
    EXPECT_FALSE(program.write(doc));
    EXPECT_EQ(readBytes(doc), "document");
    EXPECT_TRUE(QFileInfo(path("b.$$$")).isDir());

    EXPECT_FALSE(program.write(path("no such folder/c.zps")));
    EXPECT_FALSE(program.write(dir.path())); // a folder is no file
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("b.zps")});
}

} // namespace
} // namespace zenpa::test
