#include "page_renderer.h"

#include <algorithm>

namespace zenpa {

void PageDecorations::drawEffectLine(const DecorContext& c, RenderTarget& t,
                                     const LaidOutLine& line, int x, int y, int effect, int i) {
    (void)c, (void)effect, (void)i;
    t.canvas().textOut(t.px(x), t.py(y), line.text);
}

namespace {

void whiteBox(Canvas& c, int l, int t, int r, int b) {
    c.setPen(PenSpec{PenKind::Solid, 1, kWhite});
    c.setBrush(BrushSpec{BrushKind::Solid, kWhite});
    c.rectangle(l, t, r, b);
}

// The target's font for a laid-out line: the printer's font at the line's
// point size, drawn at the target's scale. Scaled targets thus show the
// printed letters in small, whatever their own font metrics; a line whose
// cell would scale below one pixel is drawn one pixel high.
void applyLineFont(RenderTarget& t, const LaidOutLine& line, int pixY) {
    Canvas& c = t.canvas();
    c.setFontFace(line.face);
    c.setFontStyle(line.style);
    c.setFontColor(line.color);
    if (t.isScaled() && t.len(line.placement.Height) < 1) {
        c.setFontHeight(1);
        return;
    }
    c.setFontResolution(pixY);
    c.setFontSize(line.placement.Fs);
    c.setFontScale(t.isScaled() ? t.scale() : 1.0);
}

} // namespace

RenderResult RenderPage(AppState& state, Canvas& printerCanvas, RenderTarget& target,
                        PageDecorations& decorations) {
    RenderResult result;
    // 1. Nothing is drawn while redraws are suppressed.
    if (state.redrawSuppressed())
        return result;
    result.drawn = true;

    // 3. The page and the range; the measuring canvas takes the printer's resolution.
    if (target.rules().computesRange)
        result.centerSwitchedOff = state.computePrintRange();
    const PageGeometry& page = state.range.page;
    printerCanvas.setFontResolution(page.PixY);

    Canvas& canvas = target.canvas();
    // 4. A white sheet.
    if (target.rules().clearsAndMasks) {
        whiteBox(canvas, 0, 0, target.width(), target.height());
        canvas.setPen(PenSpec{PenKind::Solid, 1, kBlack});
    }

    // 2, 5, 6. The layout of every line (the empty document as one blank).
    decorations.prepare(state);
    LayoutOptions options;
    options.isListedFace = state.isListedFace;
    options.useUnlistedLineFaces = target.rules().usesUnlistedLineFaces;
    result.layout = LayOutPage(state.doc, state.range.range, printerCanvas, options);

    // 7-9.
    const DecorContext context{state, result.layout, printerCanvas};
    decorations.drawBackground(context, target);
    decorations.drawFrame(context, target);
    decorations.drawPicture(context, target);
    if (target.pictureDone && !target.pictureDone()) {
        result.cancelled = true;
        return result;
    }

    // 10, 11. The lines.
    canvas.setPen(PenSpec{PenKind::Solid, 1, kBlack});
    canvas.setBrush(BrushSpec{BrushKind::Clear, kWhite});
    const int count = static_cast<int>(result.layout.lines.size());
    for (int i = 1; i <= count; ++i) {
        const LaidOutLine& line = result.layout.lines[i - 1];
        if (target.lineStarting)
            target.lineStarting(i, count);
        applyLineFont(target, line, page.PixY);
        decorations.drawEffectLine(context, target, line, line.placement.X, line.placement.Y,
                                   line.effect, i);
        if (target.lineDone && !target.lineDone(i, count)) {
            result.cancelled = true;
            return result;
        }
    }

    // 12. White masks right of and below the printable area.
    if (target.rules().clearsAndMasks) {
        whiteBox(canvas, target.px(page.Width), 0, target.width(), target.height());
        whiteBox(canvas, 0, target.py(page.Height), target.width(), target.height());
    }
    return result;
}

} // namespace zenpa
