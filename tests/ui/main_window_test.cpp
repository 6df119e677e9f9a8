#include "ui/command_specs.h"
#include "ui/range_page.h"
#include "ui/style_page.h"
#include "window_fixture.h"

#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScrollBar>
#include <QStatusTipEvent>
#include <QTabWidget>

namespace zenpa {
namespace {

using test::WindowTest;

QStringList menuTexts(const QMenu* menu) {
    QStringList out;
    for (const QAction* a : menu->actions())
        out.push_back(a->isSeparator() ? QStringLiteral("-") : a->text());
    return out;
}

TEST_F(WindowTest, MenusToolbarsAndPagesAreInPlace) {
    EXPECT_EQ(window->windowTitle(), QStringLiteral("ゼンパ"));
    QStringList top;
    for (const QAction* a : window->menuBar()->actions())
        top.push_back(a->text());
    EXPECT_EQ(top, (QStringList{"ファイル(&F)", "編集(&E)", "印刷(&I)", "設定(&O)", "ヘルプ(&H)",
                                "PDFファイル"}));
    const QMenu* edit = window->findChild<QMenu*>(QStringLiteral("Medit"));
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(menuTexts(edit),
              (QStringList{"元に戻す(&U)", "-", "切り取り(&T)", "コピー(&C)", "貼り付け(&P)", "-",
                           "消去(&D)", "全文削除(&A)", "-", "行コピー(&J)", "行貼り付け(&K)",
                           "行削除(&L)", "-", "画像の編集(&G).."}));
    const QMenu* jpeg = window->findChild<QMenu*>(QStringLiteral("JpegJ1"));
    ASSERT_NE(jpeg, nullptr);
    EXPECT_EQ(menuTexts(jpeg), (QStringList{"大", "小"}));

    // Four shortcuts and no others.
    int withShortcut = 0;
    for (QAction* a : window->findChildren<QAction*>())
        withShortcut += a->shortcut().isEmpty() ? 0 : 1;
    EXPECT_EQ(withShortcut, 4);
    EXPECT_EQ(action("Mnew")->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
    EXPECT_EQ(action("KP1")->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));

    QStringList pages;
    for (int i = 0; i < window->pages()->count(); ++i)
        pages.push_back(window->pages()->tabText(i));
    EXPECT_EQ(pages, (QStringList{"テキスト", "フォント", "行設定", "スタイル", "枠･背景", "範囲",
                                  "画像", "フォント効果", "拡大印刷"}));

    // Commands of features still to come are present but disabled.
    for (const char* later : {"Mbitmap1", "Mwmf", "Mfontuser", "SBfontbold", "Mversion"})
        EXPECT_FALSE(action(later)->isEnabled()) << later;
    for (const char* now : {"SBcut", "SBlinecopy", "KR1", "SBmode0", "SBsize1", "SBright",
                            "Mgradation", "SBfontshadow"})
        EXPECT_TRUE(action(now)->isEnabled()) << now;
    EXPECT_EQ(action("SBcut")->toolTip(), QStringLiteral("切り取り"));
}

TEST_F(WindowTest, HintsGoToTheFirstStatusPanel) {
    QStatusTipEvent tip(action("SBpaper")->statusTip());
    QApplication::sendEvent(window.get(), &tip);
    EXPECT_EQ(window->statusText(0), QStringLiteral("用紙大きさ、方向、プリンターを設定します。"));
    EXPECT_EQ(ui::LongHint(QStringLiteral("no bar")), QStringLiteral("no bar"));
}

TEST_F(WindowTest, EditorStatusAndLineCount) {
    ui::TextPage* page = window->textPage();
    EXPECT_EQ(page->lineCountText(), QStringLiteral("0 行"));
    EXPECT_EQ(page->caretText(), QStringLiteral("1:1"));
    typeText(QStringLiteral("ab"));
    EXPECT_EQ(page->lineCountText(), QStringLiteral("1 行"));
    EXPECT_EQ(page->caretText(), QStringLiteral("1:3"));
    EXPECT_EQ(page->modeText(), QStringLiteral("ﾘｱﾙﾓｰﾄﾞ"));
    // A final line break adds no line; the caret counts it on the next line.
    QTest::keyClick(editor(), Qt::Key_Return);
    EXPECT_EQ(page->lineCountText(), QStringLiteral("1 行"));
    EXPECT_EQ(page->caretText(), QStringLiteral("2:1"));
    EXPECT_EQ(state.doc.lines, QStringList{QStringLiteral("ab")});
    // A long line does not wrap: still one line in the editor and the layout.
    editor()->setPlainText(QString(500, QLatin1Char('x')));
    settle();
    EXPECT_EQ(page->lineCountText(), QStringLiteral("1 行"));
    EXPECT_EQ(window->preview()->lastResult().layout.lines.size(), 1);
}

TEST_F(WindowTest, RealModeRedrawsOnTypingEditModeOnRequest) {
    int before = renders();
    typeText(QStringLiteral("x"));
    EXPECT_GT(renders(), before);
    EXPECT_EQ(window->preview()->lastResult().layout.lines[0].text, QStringLiteral("x"));

    trigger("Mmode0"); // a click on real mode in real mode switches to edit mode
    EXPECT_FALSE(state.doc.format.Prop.Mode);
    for (const char* name : {"Mmode0", "SBmode0"})
        EXPECT_FALSE(action(name)->isChecked()) << name;
    for (const char* name : {"Mmode1", "SBmode1"})
        EXPECT_TRUE(action(name)->isChecked()) << name;
    EXPECT_EQ(window->textPage()->modeText(), QStringLiteral("編集ﾓｰﾄﾞ"));

    before = renders();
    typeText(QStringLiteral("yz"));
    EXPECT_EQ(renders(), before);
    trigger("SBrepaint");
    EXPECT_EQ(renders(), before + 1);
    EXPECT_EQ(window->preview()->lastResult().layout.lines[0].text, QStringLiteral("xyz"));
    QTest::mouseClick(window->preview()->box(), Qt::LeftButton);
    settle();
    EXPECT_EQ(renders(), before + 2);
    trigger("SBmode0"); // back to real mode, which redraws
    EXPECT_TRUE(state.doc.format.Prop.Mode);
    EXPECT_EQ(renders(), before + 3);
}

TEST_F(WindowTest, SuppressedRedrawsLeaveThePreviewAlone) {
    const int before = renders();
    const QImage image = window->preview()->box()->image();
    {
        AppState::SuppressRedraw hold(state);
        typeText(QStringLiteral("abc"));
        trigger("KR1");
        state.requestRedraw();
        window->preview()->redrawNow();
        settle();
    }
    EXPECT_EQ(renders(), before);
    EXPECT_EQ(window->preview()->box()->image(), image);
}

TEST_F(WindowTest, LineCommands) {
    editor()->setPlainText(QStringLiteral("one\ntwo\nthree"));
    settle();
    setCaret(5); // line 2
    trigger("SBlinecopy");
    EXPECT_EQ(state.lineBuffer, QStringLiteral("two"));
    setCaret(1); // line 1
    trigger("Mlinepast");
    EXPECT_EQ(editor()->toPlainText(), QStringLiteral("two\none\ntwo\nthree"));

    // Deleting the last line keeps the break of the line before it.
    editor()->setPlainText(QStringLiteral("1\n2\n3"));
    setCaret(5);
    trigger("N23");
    EXPECT_EQ(editor()->toPlainText(), QStringLiteral("1\n2\n"));
    EXPECT_EQ(state.doc.lines, (QStringList{"1", "2"}));
    setCaret(0);
    trigger("Mlinedelete");
    EXPECT_EQ(editor()->toPlainText(), QStringLiteral("2\n"));

    // An empty buffer inserts an empty line.
    state.lineBuffer.clear();
    setCaret(0);
    trigger("SBlinepast");
    EXPECT_EQ(editor()->toPlainText(), QStringLiteral("\n2\n"));
}

TEST_F(WindowTest, TopAndBottom) {
    window->pages()->setCurrentIndex(3);
    editor()->setPlainText(QStringLiteral("abc"));
    trigger("SBbottom");
    EXPECT_EQ(window->currentPage(), window->textPage());
    EXPECT_EQ(editor()->textCursor().position(), 2); // between "b" and "c"
    EXPECT_EQ(window->textPage()->caretText(), QStringLiteral("1:3"));
    trigger("SBtop");
    EXPECT_EQ(editor()->textCursor().position(), 0);
}

TEST_F(WindowTest, ClipboardCommandsAndMenuEnabling) {
    QMenu* edit = window->findChild<QMenu*>(QStringLiteral("Medit"));
    editor()->setPlainText(QStringLiteral("hello world"));
    QApplication::clipboard()->clear();
    state.lineBuffer.clear();
    Q_EMIT edit->aboutToShow();
    EXPECT_FALSE(action("Mcut")->isEnabled());
    EXPECT_FALSE(action("Mcopy")->isEnabled());
    EXPECT_FALSE(action("Mpast")->isEnabled());
    EXPECT_FALSE(action("Mlinepast")->isEnabled());
    EXPECT_FALSE(action("Mundo")->isEnabled()); // loading a text leaves nothing to undo

    // Without a selection the tool buttons do nothing.
    trigger("SBcut");
    EXPECT_EQ(editor()->toPlainText(), QStringLiteral("hello world"));

    QTextCursor c = editor()->textCursor();
    c.setPosition(0);
    c.setPosition(5, QTextCursor::KeepAnchor);
    editor()->setTextCursor(c);
    Q_EMIT edit->aboutToShow();
    EXPECT_TRUE(action("Mcut")->isEnabled());
    trigger("Mcopy");
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("hello"));
    EXPECT_FALSE(editor()->textCursor().hasSelection()); // the copy drops the selection
    EXPECT_EQ(editor()->textCursor().position(), 0);
    Q_EMIT edit->aboutToShow();
    EXPECT_TRUE(action("Mpast")->isEnabled());

    setCaret(11);
    trigger("SBpast");
    EXPECT_EQ(editor()->toPlainText(), QStringLiteral("hello worldhello"));
    // One-step undo: undoing twice takes the first undo back.
    Q_EMIT edit->aboutToShow();
    trigger("Mundo");
    EXPECT_EQ(editor()->toPlainText(), QStringLiteral("hello world"));
    Q_EMIT edit->aboutToShow();
    trigger("Mundo");
    EXPECT_EQ(editor()->toPlainText(), QStringLiteral("hello worldhello"));

    c.setPosition(5);
    c.setPosition(11, QTextCursor::KeepAnchor);
    editor()->setTextCursor(c);
    trigger("N15");
    EXPECT_EQ(editor()->toPlainText(), QStringLiteral("hellohello"));
    state.lineBuffer = QStringLiteral("x");
    Q_EMIT window->editorPopup()->aboutToShow();
    EXPECT_TRUE(action("N22")->isEnabled());
    EXPECT_FALSE(action("Cut1")->isEnabled());
}

TEST_F(WindowTest, PageChangesMoveTheFocus) {
    window->activateWindow();
    window->showPage(window->rangePage());
    QApplication::processEvents();
    EXPECT_TRUE(window->rangePage()->modeGroup()->isAncestorOf(QApplication::focusWidget()) ||
                QApplication::focusWidget() == window->rangePage()->modeGroup());
    window->showPage(window->textPage());
    QApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), editor());
}

TEST_F(WindowTest, StyleControlsAndTheirButtons) {
    trigger("SBsize1");
    EXPECT_EQ(state.doc.format.Prop.Size, kSizeEach);
    trigger("SBright");
    EXPECT_EQ(state.doc.format.Prop.Set, kAlignRight);
    EXPECT_TRUE(action("SBright")->isChecked());
    EXPECT_FALSE(action("SBcenter")->isChecked());

    window->stylePage()->selectAlign(kAlignLeft); // the radio group presses the button
    EXPECT_TRUE(action("SBleft")->isChecked());

    auto* bai = window->stylePage()->findChild<QScrollBar*>(QStringLiteral("cbai"));
    auto* label = window->stylePage()->findChild<QLabel*>(QStringLiteral("Lbai2"));
    const int before = renders();
    bai->setValue(40);
    settle();
    EXPECT_EQ(state.doc.format.Prop.Bai, 40);
    EXPECT_EQ(label->text(), QStringLiteral("40%"));
    EXPECT_GT(renders(), before);
    QTest::mouseClick(label, Qt::LeftButton);
    EXPECT_EQ(state.doc.format.Prop.Bai, 100);
    auto* baiH = window->stylePage()->findChild<QScrollBar*>(QStringLiteral("cbaiH"));
    baiH->setValue(100);
    EXPECT_EQ(window->stylePage()->findChild<QLabel*>(QStringLiteral("LbaiH"))->text(),
              QStringLiteral("1%"));
}

TEST_F(WindowTest, RangeControls) {
    ui::RangePage* range = window->rangePage();
    auto* left = range->findChild<QLineEdit*>(QStringLiteral("haniX"));
    EXPECT_FALSE(left->isEnabled());
    range->selectMode(kRangeMargins);
    settle();
    EXPECT_TRUE(left->isEnabled());
    EXPECT_EQ(range->findChild<QLabel*>(QStringLiteral("LhaniX"))->text(), QStringLiteral("0-297"));

    // Typing alone does not redraw; Return does, with the typed value.
    const int before = renders();
    left->setFocus();
    left->selectAll();
    QTest::keyClicks(left, QStringLiteral("25"));
    settle();
    EXPECT_EQ(renders(), before);
    QTest::keyClick(left, Qt::Key_Return);
    settle();
    EXPECT_EQ(renders(), before + 1);
    EXPECT_EQ(state.doc.format.Hani.Left, 25);
    EXPECT_EQ(state.range.range.Px, MmToPixels(25, 600));

    // Text that is not a number takes the lower limit.
    left->setText(QStringLiteral("abc"));
    Q_EMIT left->textEdited(left->text());
    EXPECT_EQ(state.doc.format.Hani.Left, 0);

    range->selectMode(kRangePoint);
    settle();
    EXPECT_TRUE(range->findChild<QLabel*>(QStringLiteral("Lpoint"))->text().startsWith(
        QStringLiteral("参考＝ ")));
    EXPECT_TRUE(range->findChild<QLabel*>(QStringLiteral("LpointH"))->text().endsWith(
        QStringLiteral(" mm")));
}

TEST_F(WindowTest, FaceBoxChoosesTheMainFace) {
    QComboBox* box = window->fontBox();
    const int index = box->findText(QStringLiteral("IPAMincho"));
    ASSERT_GE(index, 0);
    Q_EMIT box->activated(index);
    settle();
    EXPECT_EQ(state.doc.format.Font.Name, QStringLiteral("IPAMincho"));
}

} // namespace
} // namespace zenpa
