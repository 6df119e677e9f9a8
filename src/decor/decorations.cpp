#include "decorations.h"

#include "effects.h"
#include "frame.h"

namespace zenpa {

void Decorations::prepare(AppState& state) { RepairEffectInputs(state.doc.format); }

void Decorations::drawBackground(const DecorContext& c, RenderTarget& t) { DrawBackground(c, t); }

void Decorations::drawFrame(const DecorContext& c, RenderTarget& t) { DrawFrame(c, t); }

void Decorations::drawEffectLine(const DecorContext& c, RenderTarget& t, const LaidOutLine& line,
                                 int x, int y, int effect, int i) {
    DrawEffectLine(c, t, line, x, y, effect, i);
}

} // namespace zenpa
