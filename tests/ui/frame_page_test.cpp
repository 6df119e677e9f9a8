#include "core/reset.h"
#include "ui/color_list.h"
#include "ui/frame_page.h"
#include "ui/spin_edit.h"
#include "window_fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>

#include <functional>

namespace zenpa {
namespace {

class FramePageTest : public test::WindowTest {
public:
    ui::FramePage* page() const { return window->framePage(); }
    QComboBox* list(const char* name) const { return widget<QComboBox>(name); }
    QLabel* label(const QString& text) const {
        for (QLabel* l : page()->findChildren<QLabel*>())
            if (l->text() == text) return l;
        ADD_FAILURE() << text.toStdString();
        return nullptr;
    }
    void setSwitches(bool frame, bool fill) {
        state.doc.format.Waku.Waku = frame;
        state.doc.format.Waku.Brush = fill;
        state.notify(kChangeFormat);
        settle();
    }
};

// Each control redraws only while what it sets is drawn.
TEST_F(FramePageTest, RedrawConditions) {
    struct Case {
        const char* what;
        bool frame;
        bool fill;
        std::function<void()> act;
        bool redraws;
    };
    auto choose = [this](const char* name, int item) {
        return [=, this] { Q_EMIT list(name)->activated(item); };
    };
    auto size = [this] { widget<QScrollBar>("wakuset")->setValue(60); };
    auto width = [this] { widget<QSpinBox>("penwidth")->setValue(20); };
    const Case cases[] = {
        {"shape, frame off", false, true, choose("waku", 4), false},
        {"shape, frame on", true, false, choose("waku", 5), true},
        {"line style, frame off", false, false, choose("penstyle", 5), false},
        {"line colour, frame on", true, false, choose("pencolor", 9), true},
        {"line colour, frame off", false, true, choose("pencolor", 3), false},
        {"width, frame off", false, false, width, false},
        {"size, frame off", false, false, size, false},
        {"fill pattern, fill off", true, false, choose("brushstyle", 2), false},
        {"fill pattern, fill on", false, true, choose("brushstyle", 3), true},
        {"fill colour, fill off", true, false, choose("brushcolor", 3), false},
        {"fill colour, fill on", false, true, choose("brushcolor", 9), true},
        {"background colour", false, false, choose("BGcolor", 9), true},
        {"background pattern", false, false, choose("BGstyle", 4), true},
    };
    for (const Case& c : cases) {
        setSwitches(c.frame, c.fill);
        EXPECT_EQ(redraws([&] { c.act(); }), c.redraws) << c.what;
    }
    const FormatRecord& f = state.doc.format;
    EXPECT_EQ(f.Waku.Style, 5);
    EXPECT_EQ(f.Waku.PenStyle, 5);
    EXPECT_EQ(f.Waku.PenColor, 3);
    EXPECT_EQ(f.Waku.Wakuset, 60);
    EXPECT_EQ(f.Waku.BrushStyle, 3);
    EXPECT_EQ(f.Waku.BrushColor, 9);
    EXPECT_EQ(f.BG.Color, 9);
    EXPECT_EQ(f.BG.Style, 4);
}

TEST_F(FramePageTest, SwitchesRedrawAlwaysAndStepToTheirFirstControl) {
    window->activateWindow();
    window->showPage(page());
    QApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), widget("Penline"));
    const std::pair<const char*, const char*> switches[] = {
        {"Penline", "waku"}, {"Penbrush", "brushstyle"}, {"BG", "BGcolor"}};
    for (const auto& [box, next] : switches) {
        EXPECT_TRUE(redraws([&] { widget<QCheckBox>(box)->click(); })) << box;
        EXPECT_EQ(QApplication::focusWidget(), widget(next)) << box;
        // Switching off redraws as well.
        EXPECT_TRUE(redraws([&] { widget<QCheckBox>(box)->click(); })) << box;
    }
    EXPECT_FALSE(state.doc.format.Waku.Waku);
    EXPECT_FALSE(state.doc.format.BG.BG);
}

TEST_F(FramePageTest, LineStyleAndWidth) {
    setSwitches(true, false);
    FormatRecord& f = state.doc.format;
    auto* width = widget<ui::SpinEdit>("penwidth");
    width->setValue(30);
    EXPECT_EQ(f.Waku.PenWidth, 30);
    // The double line keeps the width; a dashed style sets it to 1.
    Q_EMIT list("penstyle")->activated(5);
    EXPECT_EQ(f.Waku.PenWidth, 30);
    Q_EMIT list("penstyle")->activated(1);
    EXPECT_EQ(f.Waku.PenWidth, 1);
    EXPECT_EQ(width->value(), 1);

    // A width above the smaller side of the print range (device pixels) is set to it.
    const PrintRange& r = state.range.range;
    const int side = std::min(r.Px2 - r.Px, r.Py2 - r.Py);
    ASSERT_LT(side, 9999);
    width->setValue(side + 100);
    EXPECT_EQ(f.Waku.PenWidth, side);
    EXPECT_EQ(width->value(), side);

    // Emptying the width gives 1.
    width->setValue(50);
    QLineEdit* edit = width->findChild<QLineEdit*>();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(f.Waku.PenWidth, 1);
}

TEST_F(FramePageTest, SizeLabelFollowsOnlyWhileTheFrameIsOn) {
    auto* size = widget<QScrollBar>("wakuset");
    QLabel* sizeLabel = widget<QLabel>("Lwakuset2");
    EXPECT_EQ(sizeLabel->text(), QStringLiteral("100%"));
    size->setValue(40);
    EXPECT_EQ(state.doc.format.Waku.Wakuset, 40);
    EXPECT_EQ(sizeLabel->text(), QStringLiteral("100%"));
    trigger("KR1"); // every redraw writes the label
    EXPECT_EQ(sizeLabel->text(), QStringLiteral("40%"));
    setSwitches(true, false);
    size->setValue(70);
    EXPECT_EQ(sizeLabel->text(), QStringLiteral("70%"));
    // A double click on the label puts the size back at its maximum.
    QTest::mouseDClick(sizeLabel, Qt::LeftButton);
    settle();
    EXPECT_EQ(state.doc.format.Waku.Wakuset, 100);
    EXPECT_EQ(sizeLabel->text(), QStringLiteral("100%"));
}

TEST_F(FramePageTest, LabelDoubleClicksReset) {
    FormatRecord& f = state.doc.format;
    f.Waku.Waku = true;
    f.Waku.Style = 3;
    f.Waku.PenStyle = 2;
    f.Waku.PenColor = 9;
    f.Waku.PenWidth = 40;
    f.Waku.BrushStyle = 6;
    f.Waku.BrushColor = 16;
    f.BG.Color = 7;
    f.BG.Style = 7;
    state.notify(kChangeFormat);
    settle();
    EXPECT_EQ(list("waku")->currentIndex(), 3);
    EXPECT_EQ(widget<QSpinBox>("penwidth")->value(), 40);
    for (const char* text : {"枠形(&Q)", "線種(&W)", "線色(&A)", "×0.1mm", "枠内模様(&M)",
                             "枠内色(&N)", "背景色(&L)", "背景模様(&J)"})
        QTest::mouseDClick(label(QString::fromUtf8(text)), Qt::LeftButton);
    settle();
    EXPECT_EQ(f.Waku.Style, 0);
    EXPECT_EQ(f.Waku.PenStyle, 0);
    EXPECT_EQ(f.Waku.PenColor, 0);
    EXPECT_EQ(f.Waku.PenWidth, 1);
    EXPECT_EQ(f.Waku.BrushStyle, 0);
    EXPECT_EQ(f.Waku.BrushColor, 0);
    EXPECT_EQ(f.BG.Color, 0);
    EXPECT_EQ(f.BG.Style, 0);
    for (const char* name :
         {"waku", "penstyle", "pencolor", "brushstyle", "brushcolor", "BGcolor", "BGstyle"})
        EXPECT_EQ(list(name)->currentIndex(), 0) << name;
    EXPECT_EQ(answers.colorDialogs, 0);
}

TEST_F(FramePageTest, BackgroundPatternReopensTheDialogForOther) {
    FormatRecord& f = state.doc.format;
    answers.colors.push_back(MakeColor(0, 200, 0));
    Q_EMIT list("BGcolor")->activated(kOtherColor);
    EXPECT_EQ(f.BG.BGColor, MakeColor(0, 200, 0));
    EXPECT_EQ(answers.colorDialogs, 1);
    // Changing only the pattern opens the dialog again; Cancel keeps the colour.
    Q_EMIT list("BGstyle")->activated(2);
    EXPECT_EQ(answers.colorDialogs, 2);
    EXPECT_EQ(f.BG.Style, 2);
    EXPECT_EQ(f.BG.Color, kOtherColor);
    EXPECT_EQ(f.BG.BGColor, MakeColor(0, 200, 0));
    Q_EMIT list("BGcolor")->activated(1);
    Q_EMIT list("BGstyle")->activated(3);
    EXPECT_EQ(answers.colorDialogs, 2);

    // The fill's dialog redraws while the frame is on, not while only the fill is.
    setSwitches(false, true);
    answers.colors.push_back(MakeColor(1, 1, 1));
    EXPECT_FALSE(redraws([&] { widget<QPushButton>("SBbrushcolorset")->click(); }));
    EXPECT_EQ(f.Waku.Bcolor, MakeColor(1, 1, 1));
    setSwitches(true, false);
    answers.colors.push_back(MakeColor(2, 2, 2));
    EXPECT_TRUE(redraws([&] { widget<QPushButton>("SBbrushcolorset")->click(); }));
}

TEST_F(FramePageTest, NewDocumentShowsTheResetSettings) {
    FormatRecord& f = state.doc.format;
    setSwitches(true, true);
    Q_EMIT list("waku")->activated(4);
    Q_EMIT list("pencolor")->activated(9);
    widget<QScrollBar>("wakuset")->setValue(30);
    ResetDocument(state.doc, printer, state.panel, 96, state.range);
    state.notify(kChangeAll);
    settle();
    EXPECT_FALSE(widget<QCheckBox>("Penline")->isChecked());
    EXPECT_FALSE(widget<QCheckBox>("Penbrush")->isChecked());
    EXPECT_EQ(list("waku")->currentIndex(), 0);
    EXPECT_EQ(list("pencolor")->currentIndex(), 0);
    EXPECT_EQ(widget<QScrollBar>("wakuset")->value(), 100);
    EXPECT_EQ(widget<QLabel>("Lwakuset2")->text(), QStringLiteral("100%"));
    EXPECT_EQ(f.Waku.Wakuset, 100);
}

} // namespace
} // namespace zenpa
