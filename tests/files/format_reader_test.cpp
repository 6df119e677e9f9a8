#include "files_fixture.h"

#include "core/format_fields.h"
#include "core/page_layout.h"

namespace zenpa::test {
namespace {

using FormatReader = FilesTest;

TEST_F(FormatReader, TextLines) {
    struct Case {
        const char* file;
        QStringList lines;
    };
    const Case cases[] = {
        {"[Memo]\nCount=1\n[Line01]\nLine=# abc #\n", {" abc "}},
        {"[System]\nVersion=2.0\n[Memo]\nCount=1\n[Line01]\nLine=abc\n", {"abc"}},
        {"[Memo]\nCount=1\n[Line01]\nLine=abc\n", {"b"}}, // no System: version 8.2
        {"[Memo]\nCount=3\n[Line01]\nLine=#\n[Line03]\nLine=x#y\n", {"", "", "#"}},
        {"[Memo]\nCount=-4\n", {}},
        {"[Memo]\nCount=0\n[Line01]\nLine=#x#\n", {}},
    };
    for (const Case& c : cases) {
        state().doc.lines = {QStringLiteral("old")};
        EXPECT_TRUE(readText(QString::fromUtf8(c.file)));
        EXPECT_EQ(state().doc.lines, c.lines) << c.file;
    }
}

TEST_F(FormatReader, NumberedNames) {
    QString file = QStringLiteral("[Memo]\nCount=11\n[Fontuser]\ncount=11\n");
    for (int i = 0; i <= 10; ++i)
        file += QStringLiteral("Line%1=#F%1#\n").arg(i);
    for (int n = 1; n <= 11; ++n)
        file += QStringLiteral("[Line%1]\nLine=#L%2#\n").arg(n, 2, 10, QLatin1Char('0')).arg(n);
    file += QStringLiteral("[Line010]\nLine=#wrong#\n");
    ASSERT_TRUE(readText(file));
    ASSERT_EQ(state().doc.lines.size(), 11);
    EXPECT_EQ(state().doc.lines[8], QStringLiteral("L9"));
    EXPECT_EQ(state().doc.lines[9], QStringLiteral("L10"));
    ASSERT_EQ(format().Fontuser.Names.size(), 11);
    EXPECT_EQ(format().Fontuser.Names[0], QStringLiteral("F0"));
    EXPECT_EQ(format().Fontuser.Names[10], QStringLiteral("F10"));
}

TEST_F(FormatReader, ColorTexts) {
    for (const char* text : {"$00FF0000", "16711680", "clBlue", "CLBLUE", "0xFF0000"}) {
        format().Font.Color = kBlack;
        EXPECT_TRUE(readText(QStringLiteral("[Font]\nColor=%1\n").arg(QLatin1String(text))));
        EXPECT_EQ(format().Font.Color, 0xFF0000u) << text;
    }
    EXPECT_TRUE(readText(QStringLiteral("[Font]\nColor=clBtnFace\n")));
    EXPECT_EQ(format().Font.Color, 0xFF00000Fu);
}

// The read stops at the failing key: keys before it are applied, keys after
// it are not, and the final step still runs.
TEST_F(FormatReader, FailingKeyStopsTheRead) {
    format().Font.SColor = 5;
    state().window.State = 1;
    const QString before = QStringLiteral(
        "[Form]\nState=3\n[Font]\nName=Before\nStyle=1\nColor=%1\nSTColor=$00123456\n"
        "SColor=2\n[Prop]\nBai=50\n[Memo]\nCount=1\n[Line01]\nLine=#new#\n");
    state().doc.lines = {QStringLiteral("kept")};
    EXPECT_FALSE(readText(before.arg(QStringLiteral("red"))));
    EXPECT_EQ(format().Font.Name, QStringLiteral("Before"));
    EXPECT_EQ(format().Font.Style, 1);
    EXPECT_EQ(format().Font.STColor, kBlack);
    EXPECT_EQ(format().Font.SColor, 5);
    EXPECT_EQ(format().Prop.Bai, 100);
    EXPECT_EQ(state().doc.lines, QStringList{QStringLiteral("kept")});
    EXPECT_EQ(state().window.State, 3);

    EXPECT_FALSE(readText(QStringLiteral("[Font]\nColor=\n")));
    for (const char* style : {"-1", "256"})
        EXPECT_FALSE(readText(QStringLiteral("[Font]\nStyle=%1\n").arg(QLatin1String(style))));
    format().Font.Style = 3;
    EXPECT_TRUE(readText(QStringLiteral("[Font]\nStyle=bold\n"))); // unreadable: the default 0
    EXPECT_EQ(format().Font.Style, 0);
}

TEST_F(FormatReader, HostileCountsFail) {
    struct Case {
        const char* file;
        ReadMode mode;
    };
    const Case cases[] = {
        {"[Memo]\nCount=2000000000\n", ModeOpen},
        {"[Memo]\nCount=100001\n", ModeOpen},
        {"[Fontuser]\ncount=2147483647\n", ModeOpen},
        {"[LineFont]\nRowcount=$7FFFFFFF\n", ModeFormatOnly},
    };
    for (const Case& c : cases) {
        state().doc.lines = {QStringLiteral("kept")};
        format().Fontuser.Names = {QStringLiteral("A")};
        EXPECT_FALSE(readText(QString::fromUtf8(c.file), c.mode)) << c.file;
        EXPECT_EQ(state().doc.lines, QStringList{QStringLiteral("kept")}) << c.file;
        EXPECT_EQ(format().Fontuser.Names, QStringList{QStringLiteral("A")}) << c.file;
        EXPECT_LE(format().LineFont.Table.gridRowCount(), 2) << c.file;
    }
}

TEST_F(FormatReader, MissingAndUnreadableFiles) {
    state().doc.lines = {QStringLiteral("kept")};
    EXPECT_FALSE(program.read(dir.path())); // a folder cannot be read
    EXPECT_EQ(state().doc.lines, QStringList{QStringLiteral("kept")});
    // A missing file reads as an empty one: every key takes its default.
    EXPECT_TRUE(program.read(path("missing.zps")));
    EXPECT_TRUE(state().doc.lines.isEmpty());
}

TEST_F(FormatReader, WindowPlace) {
    state().screenSize = QSize(1920, 1080);
    state().workArea = QRect(0, 0, 1900, 1000);
    state().window = WindowPlace{10, 20, 800, 600, 1};
    ASSERT_TRUE(readText(QStringLiteral("[Font]\n"), ModeStartup));
    EXPECT_EQ(state().window, (WindowPlace{0, 0, 640, 480, 1}));

    ASSERT_TRUE(readText(QStringLiteral("[Form]\nLeft=5000\nTop=1080\nWidth=-1\nHeight=-7\n"),
                         ModeStartup));
    EXPECT_EQ(state().window, (WindowPlace{0, 1080, 1900, 1000, 1}));

    state().window = WindowPlace{10, 20, 800, 600, 1};
    ASSERT_TRUE(readText(QStringLiteral("[Form]\nLeft=5\nState=2\n"), ModeOpen));
    EXPECT_EQ(state().window, (WindowPlace{10, 20, 800, 600, 2}));
    ASSERT_TRUE(readText(QStringLiteral("[Form]\nState=4\n"), ModeFormatOnly));
    EXPECT_EQ(state().window.State, 2);
}

TEST_F(FormatReader, GradationOffered) {
    // The window starts with four effect items.
    ASSERT_TRUE(readText(QStringLiteral("[Font]\nEfect=3\n[Menu]\nGradation=1\n")));
    EXPECT_EQ(format().Font.Efect, 3);
    EXPECT_EQ(state().effectItems, 4);
    // A file that withdraws gradation: its gradation effect becomes "中抜き".
    ASSERT_TRUE(readText(QStringLiteral("[Font]\nEfect=3\n[Menu]\nGradation=0\n")));
    EXPECT_EQ(format().Font.Efect, 2);
    EXPECT_FALSE(format().Menu.Gradation);
    EXPECT_EQ(state().effectItems, 3);
    // Read while withdrawn, a file that offers gradation keeps its gradation.
    ASSERT_TRUE(readText(QStringLiteral("[Font]\nEfect=3\n[Menu]\nGradation=1\n")));
    EXPECT_EQ(format().Font.Efect, 3);
    EXPECT_TRUE(format().Menu.Gradation);
    EXPECT_EQ(state().effectItems, 4);
    // Without a mark of its own the file is read with the items as they are.
    ASSERT_TRUE(readText(QStringLiteral("[Menu]\nGradation=0\n")));
    ASSERT_TRUE(readText(QStringLiteral("[Font]\nEfect=3\n")));
    EXPECT_EQ(format().Font.Efect, 2);
    EXPECT_EQ(state().effectItems, 3);
}

TEST_F(FormatReader, LimitsOnApplying) {
    struct Case {
        const char* key;   // Section.Key
        const char* value; // as stored
        int expected;      // after the read, the final step included
    };
    const Case cases[] = {
        {"Prop.Bai", "500", 100},
        {"Prop.Bai", "0", 1},
        {"Prop.Size", "5", 1},
        {"Prop.Set", "-3", -1},
        {"Hani.Hani", "9", 4},
        {"Hani.Hani", "-1", 0},
        {"BG.Style", "9", 0},
        {"Font.ShadowColor", "17", -1},
        {"Font.Shadow", "8", -1},
        {"Font.SColor", "16", 16},
        {"Font.ShadowWidth", "0", 1},
        {"Font.ShadowWidth", "x", 2},
        {"Font.OutLine", "$FF", 100},
        {"Waku.PenWidth", "10000", 9999},
        {"LogFont.SBlogfontheight", "5", 10},
        {"LogFont.CBLfontweight1", "11", -1},
        {"LogFont.SELfontescapement1", "361", 360},
        {"Gazo.Left", "999999", 6800},
    };
    for (const Case& c : cases) {
        Program fresh;
        const QString name = QString::fromUtf8(c.key);
        const QString section = name.section(u'.', 0, 0);
        const QString key = name.section(u'.', 1);
        const QString p = path("limits.zps");
        writeBytes(
            p, QStringLiteral("[%1]\n%2=%3\n").arg(section, key, QLatin1String(c.value)).toUtf8());
        ASSERT_TRUE(fresh.read(p)) << c.key;
        const FieldInfo* field = FindFormatField(name);
        ASSERT_TRUE(field) << c.key;
        EXPECT_EQ(FormatFieldText(fresh.format(), *field), QString::number(c.expected))
            << c.key << "=" << c.value;
    }
}

// Margins are brought into the limits of the page the file selects, not of
// the page before the read.
TEST_F(FormatReader, MarginsOfAPortraitDocument) {
    ASSERT_TRUE(program.printers.landscape());
    ASSERT_LT(state().range.limits.top.upper, 250);
    ASSERT_TRUE(
        readText(QStringLiteral("[Printer]\nOrientation=0\n[Hani]\nHani=2\nTop=250\nLeft=1\n")));
    EXPECT_FALSE(program.printers.landscape());
    EXPECT_EQ(format().Hani.Top, 250);
    EXPECT_EQ(format().Hani.Left, state().range.limits.left.lower); // below the lower limit
    // Missing margins and sizes take their limits.
    EXPECT_EQ(format().Hani.Bottom, state().range.limits.bottom.lower);
    EXPECT_EQ(format().Hani.Width, state().range.limits.width.upper);
}

TEST_F(FormatReader, RegisteredFontsMerge) {
    format().Fontuser.Names = {QStringLiteral("B"), QStringLiteral("C")};
    ASSERT_TRUE(readText(QStringLiteral("[Fontuser]\ncount=2\nLine0=#A#\nLine1=#B#\n")));
    EXPECT_EQ(format().Fontuser.Names, (QStringList{"B", "C", "A"}));
    ASSERT_TRUE(readText(QStringLiteral("[Fontuser]\ncount=4\nLine0=#c#\nLine1=##\nLine3=#D#\n")));
    EXPECT_EQ(format().Fontuser.Names, (QStringList{"B", "C", "A", "D"}));
    ASSERT_TRUE(readText(QStringLiteral("[Fontuser]\ncount=0\n")));
    EXPECT_EQ(format().Fontuser.Names.size(), 4); // never shortened
}

TEST_F(FormatReader, LineTableRows) {
    const QString file = QStringLiteral(
        "[Memo]\nCount=3\n[Line01]\nLine=#one#\n[Line02]\nLine=#two#\n[Line03]\nLine=#three#\n"
        "[Font]\nName=Main\n"
        "[LineFont]\nMode=1\nRowcount=6\n"
        "[Lfont01]\nFontName=Row1\nFontColor=16\nFontBold=太\nEffect=白\nBai=150\n"
        "[Lfont02]\nFontColor=40\n"
        "[Lfont03]\nFontColor=x\nFontItalic=\n"
        "[Lfont04]\nFontName=Row4\n");
    ASSERT_TRUE(readText(file));
    const LineFontTable& t = format().LineFont.Table;
    EXPECT_TRUE(format().LineFont.Mode);
    EXPECT_EQ(t.gridRowCount(), 4); // one row per line
    EXPECT_EQ(t.row(1), (LineFontRow{"one", "Row1", "その他", "太", "", "", "", "中", "150"}));
    EXPECT_EQ(t.cell(2, kColColor), QString());
    EXPECT_EQ(t.cell(2, kColFace), QStringLiteral("Main")); // missing: the main face
    // Missing or unreadable keys keep the cells the main settings filled in.
    EXPECT_EQ(t.row(3), (LineFontRow{"three", "Main", "黒色", "", "", "", "", "", "100"}));
    EXPECT_NE(t.cell(4, kColFace), QStringLiteral("Row4")); // the spare row is not read

    // The format only: the file's rows are laid onto the current text.
    Program other;
    other.state.doc.lines = {QStringLiteral("x")};
    writeBytes(path("rows.zps"), file.toUtf8());
    ASSERT_TRUE(other.read(path("rows.zps"), ModeFormatOnly));
    EXPECT_EQ(other.state.doc.lines, QStringList{QStringLiteral("x")});
    EXPECT_EQ(other.format().LineFont.Table.gridRowCount(), 2);
    EXPECT_EQ(other.format().LineFont.Table.cell(1, kColFace), QStringLiteral("Row1"));
    EXPECT_EQ(other.format().LineFont.Table.cell(1, kColText), QStringLiteral("x"));

    // A row count of 1 reads no rows.
    ASSERT_TRUE(readText(QStringLiteral("[LineFont]\nRowcount=1\n[Lfont01]\nFontName=Z\n")));
    EXPECT_EQ(format().LineFont.Table.gridRowCount(), 1);
    EXPECT_NE(format().LineFont.Table.cell(1, kColFace), QStringLiteral("Z"));
}

TEST_F(FormatReader, FacesOutsideTheFontList) {
    state().isListedFace = [](const QString& face) {
        return face.compare(QStringLiteral("listed"), Qt::CaseInsensitive) == 0;
    };
    ASSERT_TRUE(
        readText(QStringLiteral("[Font]\nName=LISTED\n[Memo]\nCount=2\n[LineFont]\nRowcount=3\n"
                                "[Lfont01]\nFontName=gone\n[Lfont02]\nFontName=Listed\n")));
    EXPECT_EQ(format().Font.Name, QStringLiteral("LISTED"));
    EXPECT_EQ(format().LineFont.Table.cell(1, kColFace), kWindowFace);
    EXPECT_EQ(format().LineFont.Table.cell(2, kColFace), QStringLiteral("Listed"));
    ASSERT_TRUE(readText(QStringLiteral("[Font]\nName=ＭＳ 明朝\n")));
    EXPECT_EQ(format().Font.Name, kWindowFace);
}

TEST_F(FormatReader, PictureWhoseFileIsGone) {
    const QString picture = path("pic.bmp");
    writeBytes(picture, "BM");
    const QString file = QStringLiteral(
        "[Gazo]\nGazo=1\nHiritsu=1\nFile=%1\nWidth=100\nHeight=200\nLeft=30\nTop=40\n");
    ASSERT_TRUE(readText(file.arg(picture)));
    EXPECT_EQ(format().Gazo.File, picture);
    EXPECT_TRUE(format().Gazo.Gazo);
    EXPECT_EQ(format().Gazo.Left, 30);

    ASSERT_TRUE(QFile::remove(picture));
    ASSERT_TRUE(readText(file.arg(picture)));
    const FormatRecord::GazoSection& g = format().Gazo;
    EXPECT_TRUE(g.File.isEmpty());
    EXPECT_FALSE(g.Gazo);
    EXPECT_FALSE(g.Hiritsu);
    EXPECT_EQ(g.Width, state().range.page.Width);
    EXPECT_EQ(g.Height, state().range.page.Height);
    EXPECT_EQ(g.Left, 1);
    EXPECT_EQ(g.Top, 1);
}

TEST_F(FormatReader, ModesAndRememberedNames) {
    const QString existing = path("exists.zps");
    writeBytes(existing, "");
    const QString file =
        QStringLiteral(
            "[File]\nSave=%1\nOpen=%2\n[Memo]\nCount=1\n[Line01]\nLine=#t#\n[Prop]\nBai=40\n")
            .arg(existing, path("gone.zps"));
    state().openFileName = QStringLiteral("before");
    ASSERT_TRUE(readText(file, ModeStartup));
    EXPECT_EQ(state().saveFileName, existing);
    EXPECT_EQ(state().openFileName, QStringLiteral("before"));

    ASSERT_TRUE(readText(file, ModeOpen));
    EXPECT_EQ(state().saveFileName, path("hand.zps"));
    EXPECT_EQ(state().openFileName, path("hand.zps"));

    state().doc.lines = {QStringLiteral("mine")};
    state().saveFileName = QStringLiteral("mine.zps");
    format().Prop.Bai = 100;
    ASSERT_TRUE(readText(file, ModeFormatOnly));
    EXPECT_EQ(state().doc.lines, QStringList{QStringLiteral("mine")});
    EXPECT_EQ(state().saveFileName, QStringLiteral("mine.zps"));
    EXPECT_EQ(format().Prop.Bai, 40);
}

TEST_F(FormatReader, PrinterAndPaper) {
    ASSERT_TRUE(readText(QStringLiteral("[Printer]\nIndex=2\nOrientation=0\n[Paper]\nName=8\n")));
    EXPECT_EQ(program.printers.currentIndex(), 2);
    EXPECT_EQ(format().Printer.Index, 2);
    EXPECT_FALSE(program.printers.landscape());
    EXPECT_EQ(program.printers.paperSize(), 8);
    EXPECT_EQ(format().Paper.Name, 8);

    // A printer that cannot be selected selects the first; a paper code the
    // printer does not take (or no code at all) is ignored.
    for (const char* paper : {"40000", "-5", "0"}) {
        ASSERT_TRUE(readText(
            QStringLiteral("[Printer]\nIndex=7\n[Paper]\nName=%1\n").arg(QLatin1String(paper))));
        EXPECT_EQ(program.printers.currentIndex(), 0);
        EXPECT_EQ(program.printers.paperSize(), 8) << paper;
    }
}

class CountingObserver : public AppObserver {
public:
    void stateChanged(unsigned changes) override { seen.push_back(changes); }
    std::vector<unsigned> seen;
};

TEST_F(FormatReader, TellsObserversWithoutRedrawing) {
    CountingObserver observer;
    state().addObserver(&observer);
    ASSERT_TRUE(readText(QStringLiteral("[Prop]\nBai=10\n")));
    ASSERT_EQ(observer.seen.size(), 1u);
    EXPECT_EQ(observer.seen[0], kChangeAll & ~static_cast<unsigned>(kChangeRedraw));
    EXPECT_FALSE(state().redrawSuppressed());
    state().removeObserver(&observer);
}

} // namespace
} // namespace zenpa::test
