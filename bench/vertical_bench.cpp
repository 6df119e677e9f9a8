// Cost of the vertical-writing "@" faces next to their plain faces: measuring
// a line, drawing it into a preview-sized image, shaping a line for the first
// time, and the whole preview redraw of a sign.

#include "core/reset.h"
#include "platform/builtin_printer.h"
#include "platform/font_backend.h"
#include "platform/measuring_canvas.h"
#include "platform/page_images.h"
#include "platform/painter_canvas.h"

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

using namespace zenpa;

const QString kLine = QStringLiteral("大売出し、「本日」セール！ABC123ー");

// Argument 0 is the plain face, 1 its "@" form.
QString face(const benchmark::State& state) {
    return state.range(0) ? QStringLiteral("@ＭＳ ゴシック") : QStringLiteral("ＭＳ ゴシック");
}

FontSpec printerSpec(const benchmark::State& state) {
    FontSpec spec;
    spec.face = face(state);
    spec.size = 100;
    spec.resolution = 600;
    return spec;
}

// The layout measures every line at 100 points on the printer, again and again.
void MeasureLine(benchmark::State& state) {
    const FontBackend& fonts = FontBackend::instance();
    const FontSpec spec = printerSpec(state);
    for (auto _ : state)
        benchmark::DoNotOptimize(fonts.measure(spec, kLine));
}
BENCHMARK(MeasureLine)->ArgNames({"at"})->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// A line drawn into a preview-sized image with an em of range(1) pixels.
void DrawLine(benchmark::State& state) {
    const FontBackend& fonts = FontBackend::instance();
    QImage image(780, 552, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PainterCanvas canvas(painter, fonts);
    FontSpec spec;
    spec.face = face(state);
    spec.unit = FontSizeUnit::EmPixels;
    spec.size = static_cast<int>(state.range(1));
    canvas.setFont(spec);
    for (auto _ : state)
        canvas.textOut(0, 100, kLine);
}
BENCHMARK(DrawLine)
    ->ArgNames({"at", "em"})
    ->ArgsProduct({{0, 1}, {37, 200}})
    ->Unit(benchmark::kMicrosecond);

// A line never measured before: shaping, fallback look-ups and glyph runs
// from scratch, with the faces already known.
void MeasureNewLine(benchmark::State& state) {
    const FontBackend& fonts = FontBackend::instance();
    const FontSpec spec = printerSpec(state);
    int n = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(fonts.measure(spec, kLine + QString::number(++n)));
}
BENCHMARK(MeasureNewLine)->ArgNames({"at"})->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The first line of a fresh backend: the HarfBuzz face is made and its
// tables read as well.
void MeasureFirstLine(benchmark::State& state) {
    const FontSpec spec = printerSpec(state);
    for (auto _ : state) {
        state.PauseTiming();
        auto fonts = std::make_unique<FontBackend>();
        state.ResumeTiming();
        benchmark::DoNotOptimize(fonts->measure(spec, kLine));
        state.PauseTiming();
        fonts.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(MeasureFirstLine)->ArgNames({"at"})->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The preview redraw of a three-line sign on the built-in printer's A4 sheet,
// as every keystroke asks for it.
void PreviewRedraw(benchmark::State& state) {
    const FontBackend& fonts = FontBackend::instance();
    BuiltinPrinterSystem printer;
    AppState app(printer);
    ResetDocument(app.doc, printer, PanelSize{}, 96, app.range);
    app.doc.lines = {QStringLiteral("大売出し"), kLine, QStringLiteral("全品 50% OFF")};
    app.doc.format.Font.Name = face(state);
    app.isListedFace = [&fonts](const QString& f) { return fonts.hasFace(f); };
    MeasuringCanvas printerCanvas(fonts);
    PageDecorations decorations;
    for (auto _ : state) {
        RenderedImage r = RenderPreviewImage(app, printerCanvas, decorations, fonts);
        benchmark::DoNotOptimize(r.image);
    }
}
BENCHMARK(PreviewRedraw)->ArgNames({"at"})->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace
