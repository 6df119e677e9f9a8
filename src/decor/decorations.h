#pragma once

// Everything the renderer draws besides plain text: background, frame and
// the line effects. Later decorations (picture, per-line table, logical
// font) hook in here.

#include "core/page_renderer.h"

namespace zenpa {

class Decorations : public PageDecorations {
public:
    void prepare(AppState& state) override;
    void drawBackground(const DecorContext& c, RenderTarget& t) override;
    void drawFrame(const DecorContext& c, RenderTarget& t) override;
    void drawEffectLine(const DecorContext& c, RenderTarget& t, const LaidOutLine& line, int x,
                        int y, int effect, int i) override;
};

} // namespace zenpa
