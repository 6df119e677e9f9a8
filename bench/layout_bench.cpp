// Cost of laying out a page with the real font backend, as every preview
// redraw, print and export does before it draws.

#include "core/page_layout.h"
#include "core/print_range.h"
#include "platform/builtin_printer.h"
#include "platform/font_backend.h"
#include "platform/measuring_canvas.h"

#include <benchmark/benchmark.h>

namespace {

using namespace zenpa;

void LayOutFiveLines(benchmark::State& state) {
    Document doc;
    doc.lines = {QStringLiteral("大売出し"), QStringLiteral("本日限り"),
                 QStringLiteral("全品 50% OFF"), QStringLiteral("10:00〜19:00"),
                 QStringLiteral("ゼンパ商店")};
    doc.format.Prop.Size = static_cast<int>(state.range(0));
    PrintRangeState range;
    ComputePrintRange(doc.format.Hani, BuiltinPageFacts(9, true), PanelSize{}, 96, range);
    MeasuringCanvas canvas(FontBackend::instance());
    canvas.setFontResolution(600);
    for (auto _ : state) {
        PageLayout page = LayOutPage(doc, range.range, canvas);
        benchmark::DoNotOptimize(page);
    }
}
BENCHMARK(LayOutFiveLines)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace
