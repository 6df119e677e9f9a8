#include "line_table.h"

#include "core/canvas.h"
#include "core/page_layout.h"

#include <algorithm>

namespace zenpa {

QString EffectMark(int effect) {
    switch (effect) {
    case kEffectShadow:
        return QStringLiteral("影");
    case kEffectHollow:
        return QStringLiteral("中");
    case kEffectGradation:
        return QStringLiteral("グ");
    default:
        return {};
    }
}

QString StyleMark(int styleBit) {
    switch (styleBit) {
    case kBoldBit:
        return QStringLiteral("太");
    case kItalicBit:
        return QStringLiteral("斜");
    case kUnderlineBit:
        return QStringLiteral("下");
    case kStrikeoutBit:
        return QStringLiteral("取");
    default:
        return {};
    }
}

void FillRowFromMain(LineFontRow& row, const FormatRecord& format) {
    row[kColFace] = format.Font.Name;
    row[kColColor] = ColorItemName(format.Font.SColor);
    for (int bit = 0; bit < 4; ++bit)
        if (format.Font.Style & (1 << bit))
            row[static_cast<std::size_t>(kColBold + bit)] = StyleMark(1 << bit);
    row[kColEffect] = EffectMark(format.Font.Efect);
    row[kColPercent] = QString::number(format.Prop.Bai);
}

namespace {

// Every examined row from the main settings.
void fillFromMain(LineFontTable& table, int lastRow, const FormatRecord& format) {
    for (int j = 1; j <= lastRow; ++j)
        FillRowFromMain(table.row(j), format);
}

} // namespace

void SyncLineTable(const QStringList& lines, FormatRecord& format, const FaceListed& isListedFace) {
    LineFontTable& table = format.LineFont.Table;
    const int n = static_cast<int>(lines.size());
    table.setGridRowCount(std::max(n + 1, 2));
    const int lastRow = std::max(n + 1, 2);
    for (int j = 1; j <= lastRow; ++j)
        table.row(j)[kColText] = j <= n ? lines[j - 1] : QString();

    // Filling twice gives what filling once gave, so one fill is enough even
    // when the main face itself is empty.
    bool filled = false;
    for (int j = 1; j <= lastRow; ++j) {
        if (!filled && table.row(j)[kColFace].isEmpty()) {
            fillFromMain(table, lastRow, format);
            filled = true;
        }
        LineFontRow& row = table.row(j);
        if (row[kColColor].isEmpty()) row[kColColor] = ColorItemName(format.Font.SColor);
        if (row[kColPercent].isEmpty()) row[kColPercent] = QString::number(format.Prop.Bai);
    }

    if (isListedFace)
        for (int j = 1; j <= lastRow; ++j)
            if (!isListedFace(table.row(j)[kColFace])) table.row(j)[kColFace] = kWindowFace;
}

} // namespace zenpa
