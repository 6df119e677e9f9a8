#include "format_names.h"
#include "format_writer_parts.h"

#include "core/line_layout.h"

#include <QVector>

namespace zenpa {

namespace {

// Where each line stands on the printer page, as the file records it: every
// line in the main face and style, the size rule "各行同じ" applied and the
// fixed size of "ポイント指定" not, aligned like the page.
QVector<LinePlacement> placeLines(const AppState& state, Canvas& canvas, int pixY) {
    const FormatRecord& fmt = state.doc.format;
    const QStringList& lines = state.doc.lines;
    QVector<LinePlacement> placed;
    if (lines.isEmpty()) return placed;
    canvas.setFontResolution(pixY);
    canvas.setFontFace(fmt.Font.Name);
    canvas.setFontStyle(fmt.Font.Style);
    canvas.setFontColor(fmt.textColor());
    LineLayout layout(canvas, state.range.range, static_cast<int>(lines.size()), fmt.Prop.BaiH);
    const LineExtent extent = ComputeLineExtent(layout, lines, fmt);
    const bool sameSize = fmt.Prop.Size == kSizeSame && !fmt.LineFont.Mode;
    for (int n = 1; n <= lines.size(); ++n) {
        const QString& text = lines[n - 1];
        const int percent =
            fmt.LineFont.Mode ? linecells::percent(fmt.LineFont.Table.row(n)) : fmt.Prop.Bai;
        const int size = sameSize ? extent.MinSize : layout.FitSize(text, percent).size;
        LinePlacement p = layout.PlaceLine(text, size, n);
        AlignLine(p, fmt, extent);
        placed.push_back(p);
    }
    return placed;
}

int editorLength(const QStringList& lines) {
    qsizetype length = 0;
    for (const QString& line : lines)
        length += line.size();
    if (!lines.isEmpty()) length += 2 * (lines.size() - 1); // each line break counts as CR LF
    return static_cast<int>(length);
}

void writeLineTable(IniWriter& out, const FormatRecord& fmt) {
    const LineFontTable& table = fmt.LineFont.Table;
    out.section(QStringLiteral("LineFont"));
    out.key(QStringLiteral("Mode"), fmt.LineFont.Mode ? 1 : 0);
    out.key(QStringLiteral("Rowcount"), table.gridRowCount());
    for (int n = 1; n <= table.dataRowCount(); ++n) {
        const LineFontRow& row = table.row(n);
        out.section(LfontSectionName(n));
        out.key(QStringLiteral("FontName"), row[kColFace]);
        out.key(QStringLiteral("FontColor"), ColorItemIndex(row[kColColor]));
        out.key(QStringLiteral("FontBold"), row[kColBold]);
        out.key(QStringLiteral("FontItalic"), row[kColItalic]);
        out.key(QStringLiteral("FontUnderline"), row[kColUnderline]);
        out.key(QStringLiteral("FontStrikeout"), row[kColStrikeout]);
        out.key(QStringLiteral("Effect"), row[kColEffect]);
        out.key(QStringLiteral("Bai"), row[kColPercent]);
    }
}

} // namespace

void WriteTextSections(IniWriter& out, const AppState& state, Canvas& canvas) {
    const QStringList& lines = state.doc.lines;
    const int pixY = ResolvePageFacts(state.printer().pageFacts(), state.windowDpi).PixY;
    const QVector<LinePlacement> placed = placeLines(state, canvas, pixY);

    out.section(QStringLiteral("Memo"));
    out.key(QStringLiteral("Count"), static_cast<int>(lines.size()));
    out.key(QStringLiteral("Length"), editorLength(lines));
    for (int n = 1; n <= lines.size(); ++n) {
        const LinePlacement& p = placed[n - 1];
        out.section(LineSectionName(n));
        out.key(QStringLiteral("Line"), WrapValue(lines[n - 1]));
        out.key(QStringLiteral("Length"), static_cast<int>(lines[n - 1].size()));
        out.key(QStringLiteral("X"), p.X);
        out.key(QStringLiteral("Y"), p.Y);
        out.key(QStringLiteral("Fs"), p.Fs);
        out.key(QStringLiteral("Width"), p.Width);
        out.key(QStringLiteral("Height"), p.Height);
    }
    writeLineTable(out, state.doc.format);
}

} // namespace zenpa
