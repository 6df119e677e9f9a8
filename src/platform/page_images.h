#pragma once

// Renders the page into images: the preview of the whole sheet at the
// preview scale, and the printable area at device resolution as the printer
// draws it.

#include "core/page_renderer.h"

#include <QImage>

namespace zenpa {

class FontBackend;

struct RenderedImage {
    QImage image;
    RenderResult result;
};

// The preview box (the range computation of the run sizes it). The image is
// null when redraws are suppressed.
RenderedImage RenderPreviewImage(AppState& state, Canvas& printerCanvas,
                                 PageDecorations& decorations, const FontBackend& fonts);

// The printable area, Width × Height device pixels, with the range of the
// last run. Null when the page is too large for an image.
RenderedImage RenderPageImage(AppState& state, Canvas& printerCanvas,
                              PageDecorations& decorations, const FontBackend& fonts);

} // namespace zenpa
