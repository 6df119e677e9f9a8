#pragma once

// Where a page is drawn: a canvas plus the mapping from device pixels of the
// printable area to the canvas's pixels, and the rules of its kind.

#include "canvas.h"
#include "units.h"

#include <functional>

namespace zenpa {

enum class TargetKind { Preview, Printer, Bitmap, SmallJpeg, Metafile, EnlargementPreview };

// How the kinds differ; data, so that drawing code asks instead of testing kinds.
struct TargetRules {
    bool computesRange = false;  // runs the range computation itself (the preview kinds)
    bool clearsAndMasks = false; // white box first, white masks outside the printable area last
    bool roundsPenWidth = false; // frame pen width by Round (scaled) or Trunc (device)
    bool usesUnlistedLineFaces = false; // a per-line face missing from the font list is used
    bool hollowMinimum = false;  // hollow outlines at least two target pixels wide
    bool clampsNegative = false; // a negative position or length becomes 0
};

TargetRules RulesFor(TargetKind kind);

class RenderTarget {
public:
    // A target that shows the whole physical sheet at scale s (target pixels
    // per device pixel); offsets are the printable area's offset on the sheet.
    static RenderTarget Scaled(Canvas& canvas, TargetKind kind, double s, int offsetX, int offsetY,
                               int width, int height);
    // A target in device pixels of the printable area.
    static RenderTarget Device(Canvas& canvas, TargetKind kind, int width, int height);

    Canvas& canvas() const { return *m_canvas; }
    TargetKind kind() const { return m_kind; }
    const TargetRules& rules() const { return m_rules; }
    double scale() const { return m_scale; }
    bool isScaled() const { return m_scaled; }
    int width() const { return m_width; } // canvas size in target pixels
    int height() const { return m_height; }

    // PositionTransform: a device position to target pixels.
    int px(int x) const { return position(x, m_offsetX); }
    int py(int y) const { return position(y, m_offsetY); }
    // LengthTransform: a device length to target pixels.
    int len(int v) const {
        if (!m_scaled)
            return v;
        return clamp(Trunc(v * m_scale));
    }

    // Hooks of targets that report progress and may be cancelled (the print
    // job). pictureDone runs after the picture, before any text; lineStarting
    // before line `line` (1-based) of lineCount is drawn; lineDone after it.
    // A hook returning false stops the page there.
    std::function<bool()> pictureDone;
    std::function<void(int line, int lineCount)> lineStarting;
    std::function<bool(int line, int lineCount)> lineDone;

private:
    RenderTarget(Canvas& canvas, TargetKind kind) : m_canvas(&canvas), m_kind(kind), m_rules(RulesFor(kind)) {}
    int position(int v, int offset) const {
        if (!m_scaled)
            return v;
        return clamp(Trunc((static_cast<double>(v) + offset) * m_scale));
    }
    int clamp(int v) const { return m_rules.clampsNegative && v < 0 ? 0 : v; }

    Canvas* m_canvas;
    TargetKind m_kind;
    TargetRules m_rules;
    bool m_scaled = false;
    double m_scale = 1;
    int m_offsetX = 0;
    int m_offsetY = 0;
    int m_width = 0;
    int m_height = 0;
};

} // namespace zenpa
