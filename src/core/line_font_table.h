#pragma once

// The per-line settings table: one row of nine text cells per text line.

#include <QString>
#include <QVector>

#include <array>

namespace zenpa {

// Cell 0 the line's text (a copy for display), 1 face, 2 colour item text,
// 3..6 bold / italic / underline / strikeout marks, 7 effect mark, 8 size
// percentage as decimal digits.
using LineFontRow = std::array<QString, 9>;

enum LineFontColumn : int {
    kColText = 0,
    kColFace = 1,
    kColColor = 2,
    kColBold = 3,
    kColItalic = 4,
    kColUnderline = 5,
    kColStrikeout = 6,
    kColEffect = 7,
    kColPercent = 8,
};

class LineFontTable {
public:
    LineFontTable() { reset(); }

    // One empty data row (the grid then has its header row and that row).
    void reset() { m_rows = QVector<LineFontRow>(1); }

    // Rows as the grid counts them: the header row plus the data rows.
    int gridRowCount() const { return static_cast<int>(m_rows.size()) + 1; }
    // Resizes to gridRows − 1 data rows (at least none); new rows are empty.
    void setGridRowCount(int gridRows);

    int dataRowCount() const { return static_cast<int>(m_rows.size()); }
    // Data row n, 1-based as lines are; rows beyond the table read empty.
    const LineFontRow& row(int n) const;
    LineFontRow& row(int n); // grows the table when n is beyond it
    QString cell(int n, int column) const { return row(n)[static_cast<std::size_t>(column)]; }

    bool operator==(const LineFontTable&) const = default;

    // Header texts of the grid's row 0.
    static const std::array<QString, 9>& headers();

private:
    QVector<LineFontRow> m_rows;
};

// How the renderer reads a row's cells.
namespace linecells {
// Style bits (1 bold, 2 italic, 4 underline, 8 strikeout): any text switches one on.
int style(const LineFontRow& row);
// 0 none, 1 "影", 2 "中", 3 "グ"; any other text gives none.
int effect(const LineFontRow& row);
// Cell 8 as a decimal number; 100 when empty or not a number.
int percent(const LineFontRow& row);
} // namespace linecells

} // namespace zenpa
