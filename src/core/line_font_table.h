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

// Rows are tied to line numbers. The grid shows a header row and rows
// 1 .. gridRowCount() − 1; the table keeps rows beyond those (the spare row
// after the last line, and rows of lines that were deleted), so that a row
// serves again when the text grows back to its line.
class LineFontTable {
public:
    LineFontTable() { reset(); }

    // One empty data row (the grid then has its header row and that row).
    void reset() {
        m_rows = QVector<LineFontRow>(1);
        m_gridRows = 2;
    }

    // Rows as the grid counts them: the header row plus the rows it shows.
    int gridRowCount() const { return m_gridRows; }
    // The grid shows gridRows − 1 data rows (a grid keeps at least its header
    // row). Rows beyond keep their cells.
    void setGridRowCount(int gridRows) { m_gridRows = gridRows > 1 ? gridRows : 1; }

    // The data rows the grid shows.
    int dataRowCount() const { return m_gridRows - 1; }
    // Data row n, 1-based as lines are; rows never written read empty.
    const LineFontRow& row(int n) const;
    LineFontRow& row(int n); // keeps room for row n; the grid is not changed
    QString cell(int n, int column) const { return row(n)[static_cast<std::size_t>(column)]; }

    // Same grid and same cells in every row, written or not.
    bool operator==(const LineFontTable& other) const;

    // Header texts of the grid's row 0.
    static const std::array<QString, 9>& headers();

private:
    QVector<LineFontRow> m_rows;
    int m_gridRows = 2;
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
