#pragma once

// The four ways a line's letters are drawn: plain, with a shadow, hollow
// (a thick outline in the line colour around an inside of another colour)
// and with a top-to-bottom gradation.

#include "core/page_renderer.h"

namespace zenpa {

// Shadow offset in device pixels for a distance in whole millimetres and a
// direction 0..7 (上, 右上, 右, 右下, 下, 左下, 左, 左上; anything else 右下),
// at the printer's vertical resolution. The distance is at least one pixel.
struct ShadowDelta {
    int dx = 0;
    int dy = 0;
    bool operator==(const ShadowDelta&) const = default;
};
ShadowDelta ShadowOffset(int distanceMm, int direction, int resolution);

// Hollow outline width in device pixels for tenths of a millimetre, at least 1.
int HollowWidth(int tenthsMm, int resolution);

// On a scaled target the outline is made at least two target pixels wide
// for a line at (x, y) (device pixels); device targets keep w.
int HollowWidthOnTarget(int w, const RenderTarget& target, int x, int y);

// Text filled from top to bottom with bands of colour from start to end, at
// (x, y) in target pixels. A text whose outline is empty (blanks) or cannot
// be made is not drawn at all.
void DrawGradationText(Canvas& canvas, const QString& text, int x, int y, ColorRef start,
                       ColorRef end);

// The effect colours of the document, resolved with their fallbacks.
struct EffectColors {
    ColorRef shadow;
    ColorRef hollowInside;
    ColorRef gradationStart;
    ColorRef gradationEnd;
};
EffectColors ResolveEffectColors(const FormatRecord& format);

// Draws line i with its effect at (x, y), device pixels of the printable
// area. The target's font is the line's font in LineColor on entry and again
// on return. applyLogicalFont runs before every text draw.
void DrawEffectLine(const DecorContext& context, RenderTarget& target, const LaidOutLine& line,
                    int x, int y, int effect, int i,
                    const std::function<void(Canvas&, int line)>& applyLogicalFont = {});

// Repairs the effect inputs as the controls would: a shadow distance below 1
// becomes 1; an outline width is kept within 1..100.
void RepairEffectInputs(FormatRecord& format);

} // namespace zenpa
