// Time of one preview redraw: the range computation, the layout on the
// printer's measuring canvas and the drawing into the preview image, for a
// five-line document at the new-document settings on an 800 × 600 panel.

#include "core/reset.h"
#include "platform/builtin_printer.h"
#include "platform/font_backend.h"
#include "platform/measuring_canvas.h"
#include "platform/page_images.h"


#include <benchmark/benchmark.h>

namespace {

using namespace zenpa;

void PreviewRedraw(benchmark::State& bench) {
    BuiltinPrinterSystem printer;
    AppState state(printer);
    ResetDocument(state.doc, printer, PanelSize{800, 600}, 96, state.range);
    state.panel = PanelSize{800, 600};
    state.doc.lines = {QStringLiteral("大売出し"), QStringLiteral("本日限り"),
                       QStringLiteral("全品 50% OFF"), QStringLiteral("10:00〜19:00"),
                       QStringLiteral("ゼンパ商店")};
    if (bench.range(0) == 1)
        state.doc.format.Font.Name = QStringLiteral("IPAMincho");
    const FontBackend& fonts = FontBackend::instance();
    MeasuringCanvas measure(fonts);
    PageDecorations plain;
    for (auto _ : bench) {
        RenderedImage r = RenderPreviewImage(state, measure, plain, fonts);
        benchmark::DoNotOptimize(r.image);
    }
}
// 0: the new document's face; 1: another face.
BENCHMARK(PreviewRedraw)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
