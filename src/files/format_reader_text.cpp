#include "format_names.h"
#include "format_reader.h"

#include "core/page_layout.h"
#include "decor/line_table.h"

#include <QSet>

namespace zenpa {

bool FormatReader::readFontuser() {
    const QString section = QStringLiteral("Fontuser");
    QStringList& names = m_format.Fontuser.Names;
    const int count =
        integer(section, QStringLiteral("count")).value_or(static_cast<int>(names.size()));
    if (count > kMaxStoredCount) return false;
    // The list only grows: names it already holds (in any case) stay where they are.
    QSet<QString> known;
    for (const QString& name : names)
        known.insert(name.toCaseFolded());
    for (int i = 0; i < count; ++i) {
        const QString name = UnwrapValue(text(section, FontuserKey(i)).value_or(QString()));
        if (!name.isEmpty() && !known.contains(name.toCaseFolded())) {
            known.insert(name.toCaseFolded());
            names.push_back(name);
        }
    }
    return true;
}

bool FormatReader::readText() {
    const int count = integer(QStringLiteral("Memo"), QStringLiteral("Count")).value_or(0);
    if (count > kMaxStoredCount) return false;
    // Files of version 2.0 stored the lines as they are, without the "#".
    const bool unwrapped =
        text(QStringLiteral("System"), QStringLiteral("Version")).value_or(QStringLiteral("8.2")) ==
        QLatin1String("2.0");
    QStringList& lines = m_state.doc.lines;
    lines.clear();
    for (int n = 1; n <= count; ++n) {
        const QString value = text(LineSectionName(n), QStringLiteral("Line")).value_or(QString());
        lines.push_back(unwrapped ? value : UnwrapValue(value));
    }
    return true;
}

bool FormatReader::readLineTable() {
    const QString section = QStringLiteral("LineFont");
    LineFontTable& table = m_format.LineFont.Table;
    if (const auto mode = integer(section, QStringLiteral("Mode")))
        m_format.LineFont.Mode = *mode != 0;
    const int rows = integer(section, QStringLiteral("Rowcount")).value_or(table.gridRowCount());
    if (rows > kMaxStoredCount) return false;
    table.setGridRowCount(rows);
    if (table.gridRowCount() <= 1) return true;
    // The rows are laid onto the current text, row n onto line n.
    SyncLineTable(m_state.doc.lines, m_format, m_state.isListedFace);
    for (int n = 1; n <= table.dataRowCount(); ++n)
        readLineTableRow(n);
    return true;
}

void FormatReader::readLineTableRow(int n) {
    const QString section = LfontSectionName(n);
    LineFontRow& row = m_format.LineFont.Table.row(n);

    const QString face = text(section, QStringLiteral("FontName")).value_or(m_format.Font.Name);
    row[kColFace] = listed(face) ? face : kWindowFace;
    const int color =
        integer(section, QStringLiteral("FontColor")).value_or(ColorItemIndex(row[kColColor]));
    row[kColColor] = ColorItemName(color); // empty for a position the list does not have

    const auto cell = [&](const char* key, int column) {
        QString& c = row[static_cast<std::size_t>(column)];
        c = text(section, QLatin1String(key)).value_or(c);
    };
    cell("FontBold", kColBold);
    cell("FontItalic", kColItalic);
    cell("FontUnderline", kColUnderline);
    cell("FontStrikeout", kColStrikeout);
    cell("Effect", kColEffect);
    cell("Bai", kColPercent);
    // Older installations marked the hollow effect "白".
    if (row[kColEffect] == QStringLiteral("白")) row[kColEffect] = QStringLiteral("中");
}

} // namespace zenpa
