// Cost of the text effects. The hollow effect is the expensive one: a copy
// of the letters w device pixels bolder; at 600 dpi an outline of 10 mm is
// w = 236. Its time should follow the line's area, not w².

#include "core/reset.h"
#include "decor/decorations.h"
#include "decor/effects.h"
#include "platform/builtin_printer.h"
#include "platform/font_backend.h"
#include "platform/measuring_canvas.h"
#include "platform/page_images.h"
#include "platform/painter_canvas.h"

#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

using namespace zenpa;

struct Setup {
    BuiltinPrinterSystem printer;
    AppState state{printer};
    MeasuringCanvas measure{FontBackend::instance()};
    Decorations decorations;

    explicit Setup(std::initializer_list<const char16_t*> lines) {
        ResetDocument(state.doc, printer, PanelSize{800, 600}, 96, state.range);
        state.panel = PanelSize{800, 600};
        for (const char16_t* l : lines)
            state.doc.lines.push_back(QString::fromUtf16(l));
        state.computePrintRange();
    }
};

// One hollow line on the printer's page at 600 dpi; the argument is the
// outline width in tenths of a millimetre.
void HollowLineOnPage(benchmark::State& bench) {
    Setup s{u"大売出し"};
    // Width 0 stands for the plain line, for comparison.
    s.state.doc.format.Font.Efect = bench.range(0) == 0 ? kEffectNone : kEffectHollow;
    s.state.doc.format.Font.OutLine = std::max(1, static_cast<int>(bench.range(0)));
    const PageGeometry& page = s.state.range.page;
    QImage image(page.Width, page.Height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PainterCanvas canvas(painter, FontBackend::instance());
    RenderTarget target = RenderTarget::Device(canvas, TargetKind::Printer, page.Width, page.Height);
    for (auto _ : bench)
        RenderPage(s.state, s.measure, target, s.decorations);
    bench.counters["w_px"] = HollowWidth(s.state.doc.format.Font.OutLine, 600);
}
BENCHMARK(HollowLineOnPage)->Arg(0)->Arg(10)->Arg(50)->Arg(100)->Unit(benchmark::kMillisecond);

// The preview redraw of a five-line document with each effect (0..3).
void PreviewWithEffect(benchmark::State& bench) {
    Setup s{u"大売出し", u"本日限り", u"全品 50% OFF", u"10:00〜19:00", u"ゼンパ商店"};
    s.state.doc.format.Font.Efect = static_cast<int>(bench.range(0));
    for (auto _ : bench) {
        RenderedImage r = RenderPreviewImage(s.state, s.measure, s.decorations,
                                             FontBackend::instance());
        benchmark::DoNotOptimize(r.image);
    }
}
BENCHMARK(PreviewWithEffect)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

} // namespace
