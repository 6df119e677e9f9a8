#include "layout_command.h"

#include "cli_error.h"
#include "core/line_layout.h"
#include "core/page_layout.h"
#include "document_args.h"
#include "json_out.h"
#include "platform/font_backend.h"
#include "platform/measuring_canvas.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace zenpa::cli {

namespace {

QJsonObject haniJson(const FormatRecord::HaniSection& h) {
    return {{"Hani", h.Hani},     {"Left", h.Left},         {"Top", h.Top},
            {"Right", h.Right},   {"Bottom", h.Bottom},     {"Width", h.Width},
            {"Height", h.Height}, {"Center", h.Center ? 1 : 0}, {"Point", h.Point}};
}

} // namespace

int RunLayout(QStringList args) {
    const DocumentArgs docArgs = TakeDocumentArgs(args);
    if (!args.isEmpty())
        throw UsageError{QStringLiteral("layout: unknown argument %1").arg(args.first())};
    const Session s = OpenSession(docArgs);
    if (!s.readResult)
        throw RunError{QStringLiteral("cannot read %1").arg(docArgs.file)};
    const Document& doc = s.state->doc;
    const PrintRangeState& range = s.state->range;
    const FormatRecord& fmt = doc.format;
    const PageGeometry& page = range.page;

    const FontBackend& fonts = FontBackend::instance();
    MeasuringCanvas canvas(fonts);
    canvas.setFontResolution(page.PixY);
    const PageLayout layout = LayOutPage(doc, range.range, canvas);

    QJsonArray lines;
    for (const LaidOutLine& l : layout.lines) {
        lines.append(QJsonObject{{"text", l.text},
                                 {"face", l.face},
                                 {"family", fonts.resolveFamily(l.face)},
                                 {"w100", l.fit.at100.width},
                                 {"h100", l.fit.at100.height},
                                 {"fit", l.fit.size},
                                 {"fitWidth", l.fitWidth},
                                 {"Fs", l.placement.Fs},
                                 {"X", l.placement.X},
                                 {"Y", l.placement.Y},
                                 {"Width", l.placement.Width},
                                 {"Height", l.placement.Height}});
    }

    // The reference labels of "ポイント指定", measured with the main font.
    canvas.setFontFace(fmt.Font.Name);
    canvas.setFontStyle(fmt.Font.Style);
    LineLayout refLayout(canvas, range.range, static_cast<int>(doc.layoutLines().size()),
                         fmt.Prop.BaiH);
    const int reference = ReferencePointSize(refLayout);
    const QString heightLabel = CharacterHeightLabel(canvas, fmt.pointSize(), page.PixY);

    const HaniLimits& lim = range.limits;
    const PrintRange& r = range.range;
    const QJsonObject out{
        {"page", PageJson(page)},
        {"range", QJsonObject{{"Px", r.Px}, {"Py", r.Py}, {"Px2", r.Px2}, {"Py2", r.Py2}}},
        {"preview", QJsonObject{{"Rb", range.Rb},
                                {"width", range.boxWidth},
                                {"height", range.boxHeight}}},
        {"slots", QJsonObject{{"q", layout.slots.q}, {"f", layout.slots.f}, {"g", layout.slots.g}}},
        {"extent", QJsonObject{{"MinLeft", layout.extent.MinLeft},
                               {"MaxRight", layout.extent.MaxRight},
                               {"MinSize", layout.extent.MinSize}}},
        {"labels", QJsonObject{{"LhaniX", MarginLimitLabel(lim.left)},
                               {"LhaniY", MarginLimitLabel(lim.top)},
                               {"LhaniX2", MarginLimitLabel(lim.right)},
                               {"LhaniY2", MarginLimitLabel(lim.bottom)},
                               {"LhaniW", SizeLimitLabel(lim.width)},
                               {"LhaniH", SizeLimitLabel(lim.height)},
                               {"Lbai2", BaiLabel(fmt.Prop.Bai)},
                               {"LbaiH", BaiHLabel(fmt.Prop.BaiH)},
                               {"Lpoint", ReferenceSizeLabel(reference)},
                               {"LpointH", heightLabel}}},
        {"hani", haniJson(fmt.Hani)},
        {"lines", lines},
    };
    WriteJson(QJsonDocument(out));
    return 0;
}

} // namespace zenpa::cli
