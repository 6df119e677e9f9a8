#include "page_layout.h"

namespace zenpa {

PageLayout LayOutPage(const Document& doc, const PrintRange& range, Canvas& canvas,
                      const LayoutOptions& options) {
    const FormatRecord& fmt = doc.format;
    const QStringList lines = doc.layoutLines();

    // The main font: face, style and the text colour.
    canvas.setFontFace(fmt.Font.Name);
    canvas.setFontStyle(fmt.Font.Style);
    canvas.setFontColor(fmt.textColor());

    LineLayout layout(canvas, range, static_cast<int>(lines.size()), fmt.Prop.BaiH);
    PageLayout page;
    page.slots = layout.slots();
    QVector<LinePlacement> centred;
    page.extent = ComputeLineExtent(layout, lines, fmt, &centred);

    const int mainEffect = fmt.Font.Efect >= 0 && fmt.Font.Efect <= 3 ? fmt.Font.Efect : 0;
    for (int i = 1; i <= lines.size(); ++i) {
        LaidOutLine out;
        out.text = lines[i - 1];
        out.face = fmt.Font.Name;
        out.style = fmt.Font.Style;
        out.effect = mainEffect;
        out.color = fmt.textColor();
        out.percent = fmt.Prop.Bai;
        if (fmt.LineFont.Mode) {
            const LineFontRow& row = fmt.LineFont.Table.row(i);
            const QString& face = row[kColFace];
            const bool listed = !options.isListedFace || options.isListedFace(face);
            out.face = listed || (options.useUnlistedLineFaces && !face.isEmpty()) ? face
                                                                                   : kWindowFace;
            out.style = linecells::style(row);
            out.effect = linecells::effect(row);
            out.percent = linecells::percent(row);
            const int item = ColorItemIndex(row[kColColor]);
            out.color = ResolveColor(item, fmt.Font.STColor, ColorRole::Text);
        }
        canvas.setFontFace(out.face);
        canvas.setFontStyle(out.style);
        canvas.setFontColor(out.color);

        out.fit = layout.FitSize(out.text, out.percent);
        out.fitWidth = centred[i - 1].Width;
        const int size = ApplySizeRule(out.fit.size, fmt, page.extent);
        out.placement = layout.PlaceLine(out.text, size, i);
        AlignLine(out.placement, fmt, page.extent);
        page.lines.push_back(out);
    }
    return page;
}

} // namespace zenpa
