#include "render_target.h"

namespace zenpa {

TargetRules RulesFor(TargetKind kind) {
    TargetRules r;
    switch (kind) {
    case TargetKind::Preview:
        r.computesRange = true;
        r.clearsAndMasks = true;
        r.roundsPenWidth = true;
        r.hollowMinimum = true;
        break;
    case TargetKind::EnlargementPreview:
        r.roundsPenWidth = true;
        r.hollowMinimum = true;
        break;
    case TargetKind::SmallJpeg:
        r.computesRange = true;
        r.clearsAndMasks = true;
        r.roundsPenWidth = true;
        r.hollowMinimum = true;
        r.clampsNegative = true;
        r.usesUnlistedLineFaces = true;
        break;
    case TargetKind::Printer:
    case TargetKind::Bitmap:
    case TargetKind::Metafile:
        r.usesUnlistedLineFaces = true;
        break;
    }
    return r;
}

RenderTarget RenderTarget::Scaled(Canvas& canvas, TargetKind kind, double s, int offsetX,
                                  int offsetY, int width, int height) {
    RenderTarget t(canvas, kind);
    t.m_scaled = true;
    t.m_scale = s;
    t.m_offsetX = offsetX;
    t.m_offsetY = offsetY;
    t.m_width = width;
    t.m_height = height;
    return t;
}

RenderTarget RenderTarget::Device(Canvas& canvas, TargetKind kind, int width, int height) {
    RenderTarget t(canvas, kind);
    t.m_width = width;
    t.m_height = height;
    return t;
}

} // namespace zenpa
