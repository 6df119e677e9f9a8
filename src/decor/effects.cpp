#include "effects.h"

#include "core/units.h"

#include <algorithm>

namespace zenpa {

ShadowDelta ShadowOffset(int distanceMm, int direction, int resolution) {
    int d = Round(distanceMm / kMmPerInch * resolution);
    if (d < 1)
        d = 1;
    static const int kDirections[8][2] = {{0, -1}, {1, -1}, {1, 0},  {1, 1},
                                          {0, 1},  {-1, 1}, {-1, 0}, {-1, -1}};
    if (direction < 0 || direction > 7)
        return {d, d};
    return {kDirections[direction][0] * d, kDirections[direction][1] * d};
}

int HollowWidth(int tenthsMm, int resolution) {
    const int w = Trunc(tenthsMm / kTenthMmPerInch * resolution);
    return w < 1 ? 1 : w;
}

int HollowWidthOnTarget(int w, const RenderTarget& target, int x, int y) {
    if (!target.rules().hollowMinimum || !target.isScaled())
        return w;
    const int minimum = Trunc(2 / target.scale() + 0.5);
    if (target.px(x + w) - target.px(x + w / 2) < 2)
        w = minimum;
    if (target.py(y + w) - target.py(y + w / 2) < 2)
        w = minimum;
    // The rounded minimum can still fall a pixel short where the positions
    // truncate; widen until the bold copy really is two target pixels wider.
    const int limit = w + Trunc(2 / target.scale()) + 2;
    while (w < limit && (target.px(x + w) - target.px(x) < 2 || target.py(y + w) - target.py(y) < 2))
        ++w;
    return w;
}

void DrawGradationText(Canvas& canvas, const QString& text, int x, int y, ColorRef start,
                       ColorRef end) {
    if (text.isEmpty())
        return;
    const TextExtent e = canvas.textExtent(text);
    const int w = e.width;
    const int h = e.height;
    const ColorRef s = ToRgb(start);
    const ColorRef f = ToRgb(end);
    const double stepR = h > 0 ? (RedOf(f) - RedOf(s)) / static_cast<double>(h) : 0;
    const double stepG = h > 0 ? (GreenOf(f) - GreenOf(s)) / static_cast<double>(h) : 0;
    const double stepB = h > 0 ? (BlueOf(f) - BlueOf(s)) / static_cast<double>(h) : 0;
    Canvas::StateSaver keep(canvas);
    canvas.setBrush(BrushSpec{BrushKind::Clear, kWhite});
    canvas.setPen(PenSpec{PenKind::Clear, 1, kBlack});
    if (!canvas.clipToText(x, y, text))
        return; // an empty outline: the line is not drawn
    for (int i = 0; i <= h; ++i) {
        const ColorRef band = MakeColor(RedOf(s) + Trunc(stepR * i), GreenOf(s) + Trunc(stepG * i),
                                        BlueOf(s) + Trunc(stepB * i));
        canvas.setBrush(BrushSpec{BrushKind::Solid, band});
        canvas.fillRect(x, y + i, x + w, y + i + 1);
    }
    canvas.resetClip();
}

EffectColors ResolveEffectColors(const FormatRecord& f) {
    return EffectColors{
        ResolveColor(f.Font.ShadowColor, f.Font.ShadowColor2, ColorRole::Shadow),
        ResolveColor(f.Font.OutLineColor, f.Font.OutLineColor2, ColorRole::HollowInside),
        ResolveColor(f.Font.Gradation1Color1, f.Font.Gradation1Color2, ColorRole::GradationStart),
        ResolveColor(f.Font.Gradation2Color1, f.Font.Gradation2Color2, ColorRole::GradationEnd),
    };
}

namespace {

// The distinct target offsets of device offsets 0..w from a position.
std::vector<int> targetOffsets(int from, int w, int (RenderTarget::*map)(int) const,
                               const RenderTarget& t) {
    std::vector<int> out;
    const int base = (t.*map)(from);
    for (int k = 0; k <= w; ++k) {
        const int o = (t.*map)(from + k) - base;
        if (out.empty() || out.back() != o)
            out.push_back(o);
    }
    return out;
}

} // namespace

void DrawEffectLine(const DecorContext& context, RenderTarget& target, const LaidOutLine& line,
                    int x, int y, int effect, int i,
                    const std::function<void(Canvas&, int)>& applyLogicalFont) {
    Canvas& canvas = target.canvas();
    const FormatRecord& f = context.state.doc.format;
    const EffectColors colors = ResolveEffectColors(f);
    const int pixY = context.state.range.page.PixY;
    const ColorRef lineColor = line.color;
    auto logical = [&] {
        if (applyLogicalFont)
            applyLogicalFont(canvas, i);
    };

    // 1. The shadow, never left of or above the printable area's origin.
    if (effect == kEffectShadow) {
        canvas.setFontColor(colors.shadow);
        ShadowDelta d = ShadowOffset(f.Font.ShadowWidth, f.Font.Shadow, pixY);
        if (x + d.dx < 0)
            d.dx = 0;
        if (y + d.dy < 0)
            d.dy = 0;
        logical();
        canvas.textOut(target.px(x + d.dx), target.py(y + d.dy), line.text);
        canvas.setFontColor(lineColor);
    }

    // 2, 3. The letters themselves, plain or graded.
    logical();
    if (effect == kEffectGradation) {
        canvas.setPen(PenSpec{PenKind::Solid, 1, kBlack});
        canvas.setBrush(BrushSpec{BrushKind::Clear, kWhite});
        DrawGradationText(canvas, line.text, target.px(x), target.py(y), colors.gradationStart,
                          colors.gradationEnd);
        canvas.setPen(PenSpec{PenKind::Solid, 1, kBlack});
        canvas.setBrush(BrushSpec{BrushKind::Clear, kWhite});
    } else {
        canvas.textOut(target.px(x), target.py(y), line.text);
    }

    // 4. Hollow: a copy w pixels bolder in the line colour, then the inside.
    if (effect == kEffectHollow) {
        canvas.setFontColor(lineColor);
        canvas.setBrush(BrushSpec{BrushKind::Clear, kWhite});
        int w = HollowWidth(f.Font.OutLine, pixY);
        w = HollowWidthOnTarget(w, target, x, y);
        logical();
        canvas.textOutSpread(target.px(x), target.py(y), line.text,
                             targetOffsets(x, w, &RenderTarget::px, target),
                             targetOffsets(y, w, &RenderTarget::py, target));
        canvas.setFontColor(colors.hollowInside);
        logical();
        canvas.textOut(target.px(x + w / 2), target.py(y + w / 2), line.text);
        canvas.setFontColor(lineColor);
    }
}

void RepairEffectInputs(FormatRecord& f) {
    if (f.Font.ShadowWidth < 1)
        f.Font.ShadowWidth = 1;
    f.Font.OutLine = std::clamp(f.Font.OutLine, 1, 100);
}

} // namespace zenpa
