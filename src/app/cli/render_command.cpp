#include "render_command.h"

#include "cli_error.h"
#include "core/page_renderer.h"
#include "decor/decorations.h"
#include "document_args.h"
#include "json_out.h"
#include "platform/font_backend.h"
#include "platform/measuring_canvas.h"
#include "platform/page_images.h"

namespace zenpa::cli {

int RunRender(QStringList args) {
    // The command's own options first: their values are no document file.
    const QString target = TakeOption(args, QStringLiteral("--target"));
    const QString out = TakeOption(args, QStringLiteral("-o"));
    const DocumentArgs docArgs = TakeDocumentArgs(args);
    if (!args.isEmpty())
        throw UsageError{QStringLiteral("render: unknown argument %1").arg(args.first())};
    if (target != QLatin1String("preview") && target != QLatin1String("page"))
        throw UsageError{QStringLiteral("render: --target must be preview or page")};
    if (out.isEmpty())
        throw UsageError{QStringLiteral("render: -o FILE.png is required")};

    Session s = OpenSession(docArgs);
    AppState& state = *s.state;
    const FontBackend& fonts = FontBackend::instance();
    state.isListedFace = [&fonts](const QString& face) { return fonts.hasFace(face); };

    MeasuringCanvas printerCanvas(fonts);
    Decorations decorations;
    const RenderedImage rendered =
        target == QLatin1String("preview")
            ? RenderPreviewImage(state, printerCanvas, decorations, fonts)
            : RenderPageImage(state, printerCanvas, decorations, fonts);
    const QImage& image = rendered.image;
    if (image.isNull())
        throw UsageError{QStringLiteral("render: the page is too large for an image")};
    if (!image.save(out, "PNG")) {
        WriteNote(QStringLiteral("cannot write %1").arg(out));
        return 1;
    }
    return 0;
}

} // namespace zenpa::cli
