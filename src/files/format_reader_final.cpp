#include "format_reader.h"

#include "core/item_limits.h"
#include "core/page_layout.h"

#include <QFileInfo>

#include <algorithm>
#include <utility>

namespace zenpa {

void FormatReader::finish() {
    selectFirstItems();
    m_state.computePrintRange();
    if (m_formState >= 1 && m_formState <= 3) m_state.window.State = m_formState;
    fitPicture();
    replaceUnlistedFaces();
    // The widgets bring every control and label in line with the state; the
    // caller asks for the redraw.
    m_state.notify(kChangeAll);
}

void FormatReader::selectFirstItems() {
    FormatRecord& f = m_format;
    for (int* item : {&f.Font.SColor, &f.BG.Style, &f.BG.Color, &f.Waku.Style, &f.Waku.PenStyle,
                      &f.Waku.PenColor, &f.Waku.BrushStyle, &f.Waku.BrushColor, &f.Hani.Hani})
        if (*item == kNoItem) *item = 0;
}

void FormatReader::fitPicture() {
    // The scroll bars run from 1 to the printable width and height of the page
    // now selected; positions read from the file are brought into them here.
    FormatRecord::GazoSection& g = m_format.Gazo;
    const int maxW = std::max(m_state.range.page.Width, 1);
    const int maxH = std::max(m_state.range.page.Height, 1);
    g.Width = ClampToRange(g.Width, 1, maxW);
    g.Left = ClampToRange(g.Left, 1, maxW);
    g.Height = ClampToRange(g.Height, 1, maxH);
    g.Top = ClampToRange(g.Top, 1, maxH);
    // A picture whose file is gone is forgotten. (Loading an existing one is
    // the picture page's job once the state is announced.)
    if (!g.File.isEmpty() && !QFileInfo(g.File).isFile()) {
        g.File.clear();
        g.Gazo = false;
        g.Hiritsu = false;
        g.Width = maxW;
        g.Height = maxH;
        g.Left = 1;
        g.Top = 1;
    }
}

void FormatReader::replaceUnlistedFaces() {
    if (!listed(m_format.Font.Name)) m_format.Font.Name = kWindowFace;
    LineFontTable& table = m_format.LineFont.Table;
    for (int n = 1; n <= table.dataRowCount(); ++n) {
        const LineFontRow& row = std::as_const(table).row(n);
        if (!listed(row[kColFace])) table.row(n)[kColFace] = kWindowFace;
    }
}

} // namespace zenpa
