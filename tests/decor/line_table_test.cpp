#include "decor/line_table.h"

#include "core/page_layout.h"

#include <gtest/gtest.h>

namespace zenpa {
namespace {

FormatRecord mainSettings() {
    FormatRecord f;
    f.Font.Name = QStringLiteral("Main");
    f.Font.SColor = 9; // 赤色
    f.Font.Style = kBoldBit | kUnderlineBit;
    f.Font.Efect = kEffectShadow;
    f.Prop.Bai = 80;
    return f;
}

const LineFontRow kMainRow{"", "Main", "赤色", "太", "", "下", "", "影", "80"};

LineFontRow withText(LineFontRow row, const QString& text) {
    row[kColText] = text;
    return row;
}

TEST(SyncLineTable, FirstUseFillsEveryRowFromTheMainSettings) {
    FormatRecord f = mainSettings();
    f.LineFont.Table.row(2)[kColItalic] = QStringLiteral("斜"); // kept: italic is off
    SyncLineTable({"a", "b", "c"}, f, nullptr);
    const LineFontTable& t = f.LineFont.Table;
    EXPECT_EQ(t.gridRowCount(), 4); // the grid shows rows 1 .. 3
    EXPECT_EQ(t.row(1), withText(kMainRow, "a"));
    LineFontRow second = withText(kMainRow, "b");
    second[kColItalic] = QStringLiteral("斜");
    EXPECT_EQ(t.row(2), second);
    EXPECT_EQ(t.row(4), kMainRow); // the spare row
}

TEST(SyncLineTable, RowsFollowLineNumbers) {
    FormatRecord f = mainSettings();
    SyncLineTable({"a", "b", "c"}, f, nullptr);
    f.LineFont.Table.row(2)[kColColor] = QStringLiteral("青色");

    // Syncing again keeps a row's own settings; deleting a line keeps the rows.
    SyncLineTable({"a", "c"}, f, nullptr);
    EXPECT_EQ(f.LineFont.Table.gridRowCount(), 3);
    EXPECT_EQ(f.LineFont.Table.cell(2, kColColor), QStringLiteral("青色"));
    EXPECT_EQ(f.LineFont.Table.cell(2, kColText), QStringLiteral("c"));
    SyncLineTable({"a", "b", "c"}, f, nullptr);
    EXPECT_EQ(f.LineFont.Table.cell(2, kColColor), QStringLiteral("青色"));

    // A line beyond every row the table has held refills all of them.
    SyncLineTable({"a", "b", "c", "d"}, f, nullptr);
    EXPECT_EQ(f.LineFont.Table.cell(2, kColColor), QStringLiteral("赤色"));
    EXPECT_EQ(f.LineFont.Table.row(5), kMainRow);
}

TEST(SyncLineTable, EmptyCellsAndUnlistedFaces) {
    FormatRecord f = mainSettings();
    for (int n = 1; n <= 2; ++n)
        f.LineFont.Table.row(n)[kColFace] = QStringLiteral("Row%1").arg(n);
    const auto listed = [](const QString& face) { return face == QStringLiteral("Row1"); };
    SyncLineTable({}, f, listed); // no lines: rows 1 and 2
    const LineFontTable& t = f.LineFont.Table;
    EXPECT_EQ(t.gridRowCount(), 2);
    EXPECT_EQ(t.row(1), (LineFontRow{"", "Row1", "赤色", "", "", "", "", "", "80"}));
    EXPECT_EQ(t.cell(2, kColFace), kWindowFace);
}

TEST(EffectMarks, OfEffectsAndStyles) {
    EXPECT_EQ(EffectMark(kEffectNone), QString());
    EXPECT_EQ(EffectMark(kEffectHollow), QStringLiteral("中"));
    EXPECT_EQ(EffectMark(kEffectGradation), QStringLiteral("グ"));
    EXPECT_EQ(EffectMark(7), QString());
    EXPECT_EQ(StyleMark(kStrikeoutBit), QStringLiteral("取"));
}

} // namespace
} // namespace zenpa
