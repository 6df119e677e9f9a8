#include "reset.h"

namespace zenpa {

namespace {

// The settings a new document does not reset.
void keepSettings(const FormatRecord& from, FormatRecord& to) {
    to.Font.ShadowColor2 = from.Font.ShadowColor2;
    to.Font.OutLine = from.Font.OutLine;
    to.Font.OutLineColor2 = from.Font.OutLineColor2;
    to.Font.Gradation1Color2 = from.Font.Gradation1Color2;
    to.Font.Gradation2Color2 = from.Font.Gradation2Color2;
    to.Gazo.Hiritsu = from.Gazo.Hiritsu;
    to.LogFont.SBlogfontheight = from.LogFont.SBlogfontheight;
    to.LogFont.SBlogfontwidth = from.LogFont.SBlogfontwidth;
    to.Printer.Index = from.Printer.Index;
    to.Paper.Name = from.Paper.Name;
    to.Menu.Gradation = from.Menu.Gradation;
    to.Colors = from.Colors;
    to.Fontuser = from.Fontuser;
    to.Kakudai.Silver = from.Kakudai.Silver;
}

} // namespace

void ResetDocument(Document& doc, PrinterSystem& printer, PanelSize panel, int windowDpi,
                   PrintRangeState& state) {
    FormatRecord fresh;
    keepSettings(doc.format, fresh);
    doc.format = fresh;
    doc.lines.clear();

    printer.setLandscape(doc.format.Printer.Orientation);
    ComputePrintRange(doc.format.Hani, printer.pageFacts(), panel, windowDpi, state);

    FormatRecord::HaniSection& h = doc.format.Hani;
    h.Left = state.limits.left.lower;
    h.Top = state.limits.top.lower;
    h.Right = state.limits.right.lower;
    h.Bottom = state.limits.bottom.lower;
    h.Width = state.limits.width.upper;
    h.Height = state.limits.height.upper;

    FormatRecord::GazoSection& g = doc.format.Gazo;
    g.Width = state.page.Width;
    g.Height = state.page.Height;
    g.Left = 1;
    g.Top = 1;
}

} // namespace zenpa
