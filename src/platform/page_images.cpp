#include "page_images.h"

#include "painter_canvas.h"

#include <QPainter>

namespace zenpa {

RenderedImage RenderPreviewImage(AppState& state, Canvas& printerCanvas,
                                 PageDecorations& decorations, const FontBackend& fonts) {
    RenderedImage out;
    if (state.redrawSuppressed())
        return out;
    // The run computes the range again; this first computation sizes the image.
    state.computePrintRange();
    out.image = QImage(std::max(1, state.range.boxWidth), std::max(1, state.range.boxHeight),
                       QImage::Format_RGB32);
    out.image.fill(Qt::white);
    QPainter painter(&out.image);
    PainterCanvas canvas(painter, fonts);
    RenderTarget target = RenderTarget::Scaled(canvas, TargetKind::Preview, state.range.Rb,
                                               state.range.page.OffsetX,
                                               state.range.page.OffsetY, out.image.width(),
                                               out.image.height());
    out.result = RenderPage(state, printerCanvas, target, decorations);
    return out;
}

RenderedImage RenderPageImage(AppState& state, Canvas& printerCanvas,
                              PageDecorations& decorations, const FontBackend& fonts) {
    RenderedImage out;
    const PageGeometry& page = state.range.page;
    out.image = QImage(page.Width, page.Height, QImage::Format_RGB32);
    if (out.image.isNull())
        return out;
    out.image.fill(Qt::white);
    out.image.setDotsPerMeterX(qRound(page.PixX / 0.0254));
    out.image.setDotsPerMeterY(qRound(page.PixY / 0.0254));
    QPainter painter(&out.image);
    PainterCanvas canvas(painter, fonts);
    RenderTarget target = RenderTarget::Device(canvas, TargetKind::Printer, page.Width, page.Height);
    out.result = RenderPage(state, printerCanvas, target, decorations);
    return out;
}

} // namespace zenpa
