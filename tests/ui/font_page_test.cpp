#include "files/format_file.h"
#include "ui/color_list.h"
#include "ui/font_page.h"
#include "ui/spin_edit.h"
#include "window_fixture.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>

#include <functional>

namespace zenpa {
namespace {

class FontPageTest : public test::WindowTest {
public:
    ui::FontPage* page() const { return window->fontPage(); }
    ui::ColorList* list(const char* name) const { return widget<ui::ColorList>(name); }
    QRadioButton* effectItem(int i) const {
        return static_cast<QRadioButton*>(
            page()->effectGroup()->findChildren<QRadioButton*>().at(i));
    }
    // The checked item of RGfontstyle, -1 for none.
    int checkedEffect() const {
        const auto items = page()->effectGroup()->findChildren<QRadioButton*>();
        for (int i = 0; i < items.size(); ++i)
            if (items[i]->isChecked()) return i;
        return -1;
    }
    bool gradationOnShow() const {
        return !effectItem(3)->isHidden() && !widget<QGroupBox>("GBfontgradation")->isHidden();
    }
    void readFile(const QByteArray& text) {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("f.zps"));
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
        f.close();
        ReadFormatFile(state, path, ModeFormatOnly);
        settle();
    }
};

TEST_F(FontPageTest, ToolbarButtonsPressAndReleaseWithTheEffectGroup) {
    const char* buttons[] = {"SBfontshadow", "SBfontoutline", "SBfontgradation"};
    auto pressed = [&] {
        QString s;
        for (const char* b : buttons)
            s += action(b)->isChecked() ? QLatin1Char('1') : QLatin1Char('0');
        return s;
    };
    trigger("SBfontshadow");
    EXPECT_EQ(state.doc.format.Font.Efect, kEffectShadow);
    EXPECT_EQ(checkedEffect(), 1);
    EXPECT_EQ(pressed(), QStringLiteral("100"));
    trigger("SBfontgradation");
    EXPECT_EQ(state.doc.format.Font.Efect, kEffectGradation);
    EXPECT_EQ(pressed(), QStringLiteral("001"));
    // Releasing the pressed button selects "なし(普通)".
    trigger("SBfontgradation");
    EXPECT_EQ(state.doc.format.Font.Efect, kEffectNone);
    EXPECT_EQ(checkedEffect(), 0);
    EXPECT_EQ(pressed(), QStringLiteral("000"));

    // A click in the group presses the matching button and redraws.
    EXPECT_TRUE(redraws([&] { effectItem(2)->click(); }));
    EXPECT_EQ(pressed(), QStringLiteral("010"));
    effectItem(0)->click();
    EXPECT_EQ(pressed(), QStringLiteral("000"));

    // With the line settings on the choice is kept but the preview stays.
    state.doc.format.LineFont.Mode = true;
    EXPECT_FALSE(redraws([&] { trigger("SBfontoutline"); }));
    EXPECT_EQ(state.doc.format.Font.Efect, kEffectHollow);
}

TEST_F(FontPageTest, ShadowMovesTheFocusToTheDistanceWhileThePageShows) {
    window->activateWindow();
    window->showPage(page());
    QApplication::processEvents();
    effectItem(1)->click();
    EXPECT_EQ(QApplication::focusWidget(), widget("SEfont"));
    // Enter in the distance steps on and goes no further.
    QTest::keyClick(widget("SEfont"), Qt::Key_Return);
    EXPECT_NE(QApplication::focusWidget(), widget("SEfont"));
}

TEST_F(FontPageTest, GradationOfferedAndWithdrawn) {
    // At start the four items show while the check mark is clear.
    EXPECT_FALSE(action("Mgradation")->isChecked());
    EXPECT_TRUE(gradationOnShow());
    EXPECT_TRUE(action("SBfontgradation")->isEnabled());

    trigger("Mgradation");
    EXPECT_TRUE(action("Mgradation")->isChecked());
    EXPECT_TRUE(state.doc.format.Menu.Gradation);
    EXPECT_EQ(state.effectItems, 4);

    // Withdrawing while "ｸﾞﾗﾃﾞｰｼｮﾝ" is selected leaves "中抜き" selected and drawn.
    trigger("SBfontgradation");
    const int before = renders();
    trigger("Mgradation");
    EXPECT_FALSE(action("Mgradation")->isChecked());
    EXPECT_EQ(state.effectItems, 3);
    EXPECT_EQ(state.doc.format.Font.Efect, kEffectHollow);
    EXPECT_EQ(checkedEffect(), 2);
    EXPECT_FALSE(gradationOnShow());
    EXPECT_TRUE(effectItem(3)->isHidden());
    EXPECT_FALSE(action("SBfontgradation")->isEnabled());
    EXPECT_TRUE(action("SBfontoutline")->isChecked());
    EXPECT_EQ(renders(), before + 1);
    EXPECT_EQ(window->preview()->lastResult().layout.lines.size(), 1); // drawn as before

    trigger("Mgradation");
    EXPECT_TRUE(gradationOnShow());
    EXPECT_TRUE(action("SBfontgradation")->isEnabled());
    EXPECT_EQ(state.doc.format.Font.Efect, kEffectHollow);
}

TEST_F(FontPageTest, FileReadAppliesTheGradationMark) {
    readFile("[Menu]\nGradation=0\n[Font]\nEfect=3\n");
    EXPECT_EQ(state.doc.format.Font.Efect, kEffectHollow);
    EXPECT_EQ(checkedEffect(), 2);
    EXPECT_FALSE(gradationOnShow());
    EXPECT_FALSE(action("Mgradation")->isChecked());
    EXPECT_FALSE(action("SBfontgradation")->isEnabled());
    EXPECT_TRUE(action("SBfontoutline")->isChecked());

    readFile("[Menu]\nGradation=1\n[Font]\nEfect=3\nShadowWidth=7\nShadow=6\nOutLineColor=9\n");
    EXPECT_EQ(checkedEffect(), 3);
    EXPECT_TRUE(gradationOnShow());
    EXPECT_TRUE(action("Mgradation")->isChecked());
    EXPECT_TRUE(action("SBfontgradation")->isChecked());
    // The other controls show what was read.
    EXPECT_EQ(widget<QSpinBox>("SEfont")->value(), 7);
    EXPECT_EQ(widget<QComboBox>("CBfontshadow2")->currentIndex(), 6);
    EXPECT_EQ(list("CBfontoutline1")->currentIndex(), 9);
}

TEST_F(FontPageTest, OtherColourCancelledKeepsThePreviousCustomColour) {
    editor()->setPlainText(QStringLiteral("WWW"));
    settle();
    FormatRecord& f = state.doc.format;
    f.Font.STColor = MakeColor(255, 0, 0);
    ui::ColorList* text = list("Scolor");
    const int before = renders();
    Q_EMIT text->activated(kOtherColor); // the dialog is cancelled
    settle();
    EXPECT_EQ(answers.colorDialogs, 1);
    EXPECT_EQ(f.Font.SColor, kOtherColor);
    EXPECT_EQ(text->currentIndex(), kOtherColor);
    EXPECT_EQ(f.Font.STColor, MakeColor(255, 0, 0));
    EXPECT_EQ(renders(), before + 1);
    // The text is drawn in the previous custom colour.
    const QImage image = window->preview()->box()->image();
    int red = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            red += c.red() > 200 && c.green() < 60 && c.blue() < 60 ? 1 : 0;
        }
    EXPECT_GT(red, 50);

    // OK takes the colour, with the document's custom slots in the dialog.
    f.Colors[3] = MakeColor(1, 2, 3);
    answers.colors.push_back(MakeColor(0, 0, 255));
    Q_EMIT text->activated(kOtherColor);
    EXPECT_EQ(f.Font.STColor, MakeColor(0, 0, 255));
    EXPECT_EQ(answers.lastCustomSlots[3], MakeColor(1, 2, 3));

    // A named item sets the font colour; "黒色" gives black.
    Q_EMIT text->activated(9);
    EXPECT_EQ(f.Font.Color, MakeColor(255, 0, 0));
    EXPECT_EQ(f.textColor(), MakeColor(255, 0, 0));
    Q_EMIT text->activated(0);
    EXPECT_EQ(f.Font.Color, kBlack);

    // Double-clicking the group shows "黒色" and leaves the font colour alone.
    f.Font.Color = MakeColor(0, 128, 0);
    f.Font.SColor = kOtherColor;
    text->showSettings();
    QTest::mouseDClick(widget("Scolor")->parentWidget(), Qt::LeftButton);
    EXPECT_EQ(f.Font.SColor, 0);
    EXPECT_EQ(text->currentIndex(), 0);
    EXPECT_EQ(f.Font.Color, MakeColor(0, 128, 0));
}

TEST_F(FontPageTest, ColourButtonsOpenTheDialogForTheirRole) {
    FormatRecord& f = state.doc.format;
    answers.colors.push_back(MakeColor(10, 20, 30));
    // No shadow is drawn: nothing to show.
    EXPECT_FALSE(redraws([&] { widget<QPushButton>("SBfontshadowcolor")->click(); }));
    EXPECT_EQ(f.Font.ShadowColor, kOtherColor);
    EXPECT_EQ(f.Font.ShadowColor2, MakeColor(10, 20, 30));
    EXPECT_EQ(list("CBfontshadow1")->currentIndex(), kOtherColor);
    EXPECT_EQ(widget<QPushButton>("SBfontcolorset")->text(), QStringLiteral("色"));
    EXPECT_EQ(widget<QPushButton>("SBfontcolorset")->statusTip(),
              QStringLiteral("標準の色以外を作成します。"));

    // Cancel changes nothing.
    f.Font.Gradation2Color1 = 4;
    widget<QPushButton>("SBfontgradationcolor2")->click();
    EXPECT_EQ(f.Font.Gradation2Color1, 4);
    EXPECT_EQ(answers.colorDialogs, 2);

    // The text colour redraws after the dialog whatever the line settings.
    f.LineFont.Mode = true;
    answers.colors.push_back(MakeColor(9, 9, 9));
    EXPECT_TRUE(redraws([&] { widget<QPushButton>("SBfontcolorset")->click(); }));
    EXPECT_EQ(f.Font.STColor, MakeColor(9, 9, 9));
}

// Each control redraws only while what it sets is drawn.
TEST_F(FontPageTest, RedrawConditions) {
    struct Case {
        const char* what;
        int effect;
        bool lineMode;
        std::function<void()> act;
        bool redraws;
    };
    auto choose = [this](const char* name, int item) {
        return [=, this] { Q_EMIT list(name)->activated(item); };
    };
    auto spin = [this](const char* name, int v) {
        return [=, this] { widget<QSpinBox>(name)->setValue(v); };
    };
    auto direction = [this] { Q_EMIT widget<QComboBox>("CBfontshadow2")->activated(1); };
    const Case cases[] = {
        {"shadow colour, no effect", kEffectNone, false, choose("CBfontshadow1", 9), false},
        {"shadow colour, shadow", kEffectShadow, false, choose("CBfontshadow1", 9), true},
        {"distance, hollow", kEffectHollow, false, spin("SEfont", 5), false},
        {"distance, shadow", kEffectShadow, false, spin("SEfont", 6), true},
        {"direction, none", kEffectNone, false, direction, false},
        {"direction, shadow", kEffectShadow, false, direction, true},
        {"hollow colour, shadow", kEffectShadow, false, choose("CBfontoutline1", 2), false},
        {"hollow colour, hollow", kEffectHollow, false, choose("CBfontoutline1", 2), true},
        {"start colour, hollow", kEffectHollow, false, choose("CBfontgradation1", 2), false},
        {"end colour, gradation", kEffectGradation, false, choose("CBfontgradation2", 2), true},
        {"outline width, none", kEffectNone, false, spin("SEfontoutline", 30), true},
        {"outline width, line settings", kEffectHollow, true, spin("SEfontoutline", 30), false},
        {"text colour", kEffectNone, false, choose("Scolor", 9), true},
        {"text colour, line settings", kEffectNone, true, choose("Scolor", 9), false},
    };
    for (const Case& c : cases) {
        state.doc.format.Font.Efect = c.effect;
        state.doc.format.LineFont.Mode = c.lineMode;
        state.notify(kChangeFormat);
        settle();
        EXPECT_EQ(redraws([&] { c.act(); }), c.redraws) << c.what;
    }
    EXPECT_EQ(state.doc.format.Font.ShadowWidth, 6);
    EXPECT_EQ(state.doc.format.Font.Shadow, 1);
    EXPECT_EQ(state.doc.format.Font.OutLine, 30);
}

TEST_F(FontPageTest, LabelClicksAndEmptiedNumbersGiveOne) {
    FormatRecord& f = state.doc.format;
    widget<QSpinBox>("SEfont")->setValue(12);
    widget<QSpinBox>("SEfontoutline")->setValue(40);
    for (QLabel* l : page()->findChildren<QLabel*>())
        if (l->text() == QStringLiteral("mm") || l->text() == QStringLiteral("線の幅"))
            QTest::mouseClick(l, Qt::LeftButton);
    EXPECT_EQ(f.Font.ShadowWidth, 1);
    EXPECT_EQ(f.Font.OutLine, 1);

    // An emptied distance counts as 1; typing the old value again takes it.
    auto* distance = widget<ui::SpinEdit>("SEfont");
    distance->setValue(5);
    QLineEdit* edit = distance->findChild<QLineEdit*>();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(f.Font.ShadowWidth, 1);
    QTest::keyClicks(edit, QStringLiteral("5"));
    EXPECT_EQ(f.Font.ShadowWidth, 5);
    // Leaving an emptied edit shows the 1 it stands for.
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    Q_EMIT distance->editingFinished();
    EXPECT_EQ(distance->value(), 1);
    EXPECT_EQ(f.Font.ShadowWidth, 1);
}

} // namespace
} // namespace zenpa
