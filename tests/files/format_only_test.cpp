#include "commands_fixture.h"

#include "decor/line_table.h"
#include "files/format_only.h"

namespace zenpa::test {
namespace {

using FormatOnlyTest = CommandsTest;

// Every setting away from its new-document value.
void changeEverything(FormatRecord& f) {
    f.Font.Name = QStringLiteral("IPAGothic");
    f.Font.Style = 5;
    f.Font.SColor = 9;
    f.Font.STColor = 0x123456;
    f.Font.Efect = kEffectShadow;
    f.Font.ShadowWidth = 7;
    f.Font.ShadowColor = 3;
    f.Font.ShadowColor2 = 0x010203;
    f.Font.Shadow = 6;
    f.Font.OutLine = 44;
    f.Font.OutLineColor = 4;
    f.Font.Gradation1Color1 = 5;
    f.Font.Gradation2Color1 = 6;
    f.Prop.Mode = false;
    f.Prop.Size = kSizeEach;
    f.Prop.Set = kAlignLeft;
    f.Prop.Bai = 50;
    f.Prop.BaiH = 60;
    f.BG.BG = true;
    f.BG.Style = 3;
    f.Waku.Waku = true;
    f.Waku.PenWidth = 30;
    f.Waku.Wakuset = 70;
    f.Hani.Hani = kRangePoint;
    f.Hani.Center = true;
    f.Hani.Point = QStringLiteral("72");
    f.Gazo.Gazo = true;
    f.Gazo.Left = 9;
    f.Gazo.CenterX = true;
    f.LineFont.Mode = true;
    f.LogFont.CBLfont1 = true;
    f.LogFont.SELfontescapement1 = 90;
    f.Kakudai.Number = 3;
    f.Fontuser.Names = {QStringLiteral("IPAMincho")};
}

TEST_F(FormatOnlyTest, TheResetKeepsTheTextAndItsOwnShareOfTheSettings) {
    state().doc.lines = {QStringLiteral("一"), QStringLiteral("二")};
    state().saveFileName = path(QStringLiteral("doc.zps"));
    state().window = WindowPlace{3, 4, 500, 400, 1};
    changeEverything(format());
    state().printer().setLandscape(false);
    format().Printer.Orientation = false;

    ResetFormatOnly(state());
    const FormatRecord& f = format();
    // Reset, as a new document has them ...
    EXPECT_EQ(f.Font.Name, FormatRecord().Font.Name);
    EXPECT_EQ(f.Font.Style, 0);
    EXPECT_EQ(f.Font.SColor, 0);
    EXPECT_EQ(f.Font.STColor, kBlack);
    EXPECT_EQ(f.Font.Efect, kEffectNone);
    EXPECT_EQ(f.Font.ShadowWidth, 2);
    EXPECT_EQ(f.Font.Shadow, 3);
    EXPECT_TRUE(f.Prop.Mode);
    EXPECT_EQ(f.Prop.Size, kSizeSame);
    EXPECT_EQ(f.Prop.Set, kAlignCenter);
    EXPECT_EQ(f.Prop.Bai, 100);
    EXPECT_EQ(f.Prop.BaiH, 1);
    EXPECT_FALSE(f.BG.BG);
    EXPECT_EQ(f.BG.Style, 0);
    EXPECT_FALSE(f.Waku.Waku);
    EXPECT_EQ(f.Waku.PenWidth, 1);
    EXPECT_EQ(f.Waku.Wakuset, 100);
    EXPECT_EQ(f.Hani.Hani, kRangeCenter);
    EXPECT_FALSE(f.Hani.Center);
    EXPECT_FALSE(f.Gazo.Gazo);
    EXPECT_EQ(f.Gazo.Left, 1);
    EXPECT_EQ(f.Gazo.Width, state().range.page.Width);
    EXPECT_FALSE(f.Gazo.CenterX);
    EXPECT_EQ(f.Hani.Left, state().range.limits.left.lower);
    EXPECT_EQ(f.Hani.Width, state().range.limits.width.upper);
    EXPECT_TRUE(state().printer().landscape());
    EXPECT_TRUE(f.Printer.Orientation);
    // ... but the shadow turns grey, and these stay.
    EXPECT_EQ(f.Font.ShadowColor, kFormatOnlyShadowColor);
    EXPECT_EQ(ColorItemName(f.Font.ShadowColor), QStringLiteral("灰色"));
    EXPECT_EQ(f.Hani.Point, QStringLiteral("72"));
    EXPECT_EQ(f.Font.OutLineColor, 4);
    EXPECT_EQ(f.Font.Gradation1Color1, 5);
    EXPECT_EQ(f.Font.Gradation2Color1, 6);
    EXPECT_TRUE(f.LogFont.CBLfont1);
    EXPECT_EQ(f.LogFont.SELfontescapement1, 90);
    EXPECT_EQ(f.Kakudai.Number, 3);
    EXPECT_EQ(f.Font.OutLine, 44);
    EXPECT_EQ(f.Font.ShadowColor2, 0x010203u);
    EXPECT_EQ(f.Fontuser.Names, QStringList{QStringLiteral("IPAMincho")});
    EXPECT_EQ(state().doc.lines.size(), 2);
    EXPECT_EQ(state().saveFileName, path(QStringLiteral("doc.zps")));
    EXPECT_EQ(state().window, (WindowPlace{3, 4, 500, 400, 1}));

    // The line table: one row per line with the main settings, switched off.
    EXPECT_FALSE(f.LineFont.Mode);
    EXPECT_EQ(f.LineFont.Table.dataRowCount(), 2);
    const LineFontRow expected = {"二", f.Font.Name, "黒色", "", "", "", "", "", "100"};
    EXPECT_EQ(f.LineFont.Table.row(2), expected);
    EXPECT_EQ(f.LineFont.Table.cell(1, kColText), QStringLiteral("一"));
}

TEST_F(FormatOnlyTest, TheReadTakesTheFormatAndKeepsTextAndNames) {
    const QString source =
        makeDocument(QStringLiteral("style.zps"), {"a", "b", "c"}, [](Program& p) {
            FormatRecord& f = p.format();
            f.Prop.Set = kAlignRight;
            f.Waku.Waku = true;
            f.LineFont.Mode = true;
            SyncLineTable(p.state.doc.lines, f, nullptr);
            f.LineFont.Table.row(1)[kColEffect] = QStringLiteral("影");
            f.LineFont.Table.row(2)[kColEffect] = QStringLiteral("中");
            f.LineFont.Table.row(3)[kColEffect] = QStringLiteral("グ");
        });
    state().doc.lines = {QStringLiteral("mine"), QStringLiteral("too")};
    state().saveFileName = path(QStringLiteral("doc.zps"));
    state().openFileName = path(QStringLiteral("doc.zps"));
    format().LogFont.SELfontescapement1 = 45;
    chooseFile(source);
    commands.readFormatOnly();

    const FileDialogSpec& asked = answers.fileDialogs.back();
    EXPECT_EQ(asked.title, QStringLiteral("書式のみ読み込み"));
    EXPECT_EQ(asked.fileName, QString());
    EXPECT_EQ(asked.defaultSuffix, QStringLiteral("zps"));
    EXPECT_EQ(asked.filterIndex, kFormatFilterEntry);
    EXPECT_TRUE(answers.messages.empty());
    EXPECT_EQ(state().doc.lines, (QStringList{"mine", "too"}));
    EXPECT_EQ(format().Prop.Set, kAlignRight);
    EXPECT_TRUE(format().Waku.Waku);
    EXPECT_TRUE(format().LineFont.Mode);
    // The file's rows for as many lines as the text has.
    EXPECT_EQ(format().LineFont.Table.cell(1, kColEffect), QStringLiteral("影"));
    EXPECT_EQ(format().LineFont.Table.cell(2, kColEffect), QStringLiteral("中"));
    EXPECT_EQ(format().LineFont.Table.cell(1, kColText), QStringLiteral("mine"));
    // The writer stores every LogFont key, so a file's values arrive; the
    // source's escapement is the new document's 0.
    EXPECT_EQ(format().LogFont.SELfontescapement1, 0);
    EXPECT_EQ(state().saveFileName, path(QStringLiteral("doc.zps")));
    EXPECT_EQ(state().openFileName, QStringLiteral("doc.zps"));
    EXPECT_EQ(panel, QStringLiteral("doc.zps"));
    EXPECT_EQ(linesOf(settingsFile()), (QStringList{"mine", "too"}));
}

TEST_F(FormatOnlyTest, KeysTheFileLacksKeepTheFormatOnlyResetValues) {
    format().LogFont.SELfontescapement1 = 45;
    format().Font.ShadowColor = 2;
    chooseFile(writeText(QStringLiteral("[Prop]\nSet=0\n")));
    commands.readFormatOnly();
    EXPECT_EQ(format().Prop.Set, kAlignLeft);
    EXPECT_EQ(format().LogFont.SELfontescapement1, 45);
    EXPECT_EQ(format().Font.ShadowColor, kFormatOnlyShadowColor);
}

TEST_F(FormatOnlyTest, AFailedReadLeavesTheDocumentExactlyAsItWas) {
    state().doc.lines = {QStringLiteral("keep")};
    changeEverything(format());
    state().saveFileName = path(QStringLiteral("doc.zps"));
    state().openFileName = QStringLiteral("doc.zps");
    const std::string before = StateText(state());
    chooseFile(writeText(QStringLiteral("[Prop]\nSet=2\n[Waku]\nWaku=0\n[Font]\nColor=red\n")));
    commands.readFormatOnly();
    ASSERT_EQ(answers.messages.size(), 1u);
    EXPECT_TRUE(lastMessage().startsWith(kReadFailedMessage));
    EXPECT_EQ(answers.messages.back().buttons, Buttons::Ok);
    EXPECT_EQ(StateText(state()), before);
    EXPECT_FALSE(state().redrawSuppressed());
}

TEST_F(FormatOnlyTest, CancellingChangesOnlyTheProposedName) {
    state().doc.lines = {QStringLiteral("keep")};
    state().openFileName = path(QStringLiteral("doc.zps"));
    const std::string before = StateText(state());
    commands.readFormatOnly();
    EXPECT_EQ(state().openFileName, QStringLiteral("doc.zps"));
    state().openFileName = path(QStringLiteral("doc.zps"));
    EXPECT_EQ(StateText(state()), before);
}

} // namespace
} // namespace zenpa::test
