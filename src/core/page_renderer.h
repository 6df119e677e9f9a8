#pragma once

// Draws the current document onto a target: background, frame, picture, then
// every line with its effect, each sized and placed by the line layout inside
// the print range. All layout is measured on the printer's canvas in device
// pixels; a target only maps those pixels to its own.

#include "app_state.h"
#include "page_layout.h"
#include "render_target.h"

namespace zenpa {

// What a decoration sees of the run: the state, the page's layout and the
// printer's measuring canvas (at the printer's resolution).
struct DecorContext {
    const AppState& state;
    const PageLayout& page;
    Canvas& printerCanvas;
};

// What the renderer draws besides plain text. The base class draws nothing
// but the plain text; the decorations library supplies the real thing.
class PageDecorations {
public:
    virtual ~PageDecorations() = default;

    // Before the lines are laid out (the line table follows the text).
    virtual void prepare(AppState& state) { (void)state; }
    virtual void drawBackground(const DecorContext& c, RenderTarget& t) { (void)c, (void)t; }
    virtual void drawFrame(const DecorContext& c, RenderTarget& t) { (void)c, (void)t; }
    virtual void drawPicture(const DecorContext& c, RenderTarget& t) { (void)c, (void)t; }
    // Line i (1-based) with its effect at (x, y), device pixels of the printable
    // area; the target's font is the line's font in LineColor on entry.
    virtual void drawEffectLine(const DecorContext& c, RenderTarget& t, const LaidOutLine& line,
                                int x, int y, int effect, int i);
};

struct RenderResult {
    bool drawn = false;             // false when redraws are suppressed
    bool cancelled = false;         // a progress hook of the target said stop
    bool centerSwitchedOff = false; // the range computation switched Hani.Center off
    PageLayout layout;
};

// printerCanvas measures (the printer's canvas); the target draws.
RenderResult RenderPage(AppState& state, Canvas& printerCanvas, RenderTarget& target,
                        PageDecorations& decorations);

} // namespace zenpa
