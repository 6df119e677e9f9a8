#include "format_fields.h"

#include "value_text.h"

#include <array>

namespace zenpa {

namespace {

// clang-format off
const FieldInfo kFields[] = {
    {"Font.Name", FieldKind::Text, [](FormatRecord& r) -> FieldRef { return &r.Font.Name; }},
    {"Font.Style", FieldKind::Int, [](FormatRecord& r) -> FieldRef { return &r.Font.Style; }},
    {"Font.Color", FieldKind::Color, [](FormatRecord& r) -> FieldRef { return &r.Font.Color; }},
    {"Font.SColor", FieldKind::Index, [](FormatRecord& r) -> FieldRef { return &r.Font.SColor; }},
    {"Font.STColor", FieldKind::Color, [](FormatRecord& r) -> FieldRef { return &r.Font.STColor; }},
    {"Font.Efect", FieldKind::Index, [](FormatRecord& r) -> FieldRef { return &r.Font.Efect; }},
    {"Font.ShadowWidth", FieldKind::Int, [](FormatRecord& r) -> FieldRef { return &r.Font.ShadowWidth; }},
    {"Font.ShadowColor", FieldKind::Index, [](FormatRecord& r) -> FieldRef { return &r.Font.ShadowColor; }},
    {"Font.ShadowColor2", FieldKind::Color, [](FormatRecord& r) -> FieldRef { return &r.Font.ShadowColor2; }},
    {"Font.Shadow", FieldKind::Index, [](FormatRecord& r) -> FieldRef { return &r.Font.Shadow; }},
    {"Font.OutLine", FieldKind::Int, [](FormatRecord& r) -> FieldRef { return &r.Font.OutLine; }},
    {"Font.OutLineColor", FieldKind::Index, [](FormatRecord& r) -> FieldRef { return &r.Font.OutLineColor; }},
    {"Font.OutLineColor2", FieldKind::Color, [](FormatRecord& r) -> FieldRef { return &r.Font.OutLineColor2; }},
    {"Font.Gradation1Color1", FieldKind::Index, [](FormatRecord& r) -> FieldRef { return &r.Font.Gradation1Color1; }},
    {"Font.Gradation1Color2", FieldKind::Color, [](FormatRecord& r) -> FieldRef { return &r.Font.Gradation1Color2; }},
    {"Font.Gradation2Color1", FieldKind::Index, [](FormatRecord& r) -> FieldRef { return &r.Font.Gradation2Color1; }},
    {"Font.Gradation2Color2", FieldKind::Color, [](FormatRecord& r) -> FieldRef { return &r.Font.Gradation2Color2; }},
    {"Prop.Mode", FieldKind::Bool, [](FormatRecord& r) -> FieldRef { return &r.Prop.Mode; }},
    {"Prop.Size", FieldKind::Index, [](FormatRecord& r) -> FieldRef { return &r.Prop.Size; }},
    {"Prop.Set", FieldKind::Index, [](FormatRecord& r) -> FieldRef { return &r.Prop.Set; }},
    {"Prop.Bai", FieldKind::Int, [](FormatRecord& r) -> FieldRef { return &r.Prop.Bai; }},
    {"Prop.BaiH", FieldKind::Int, [](FormatRecord& r) -> FieldRef { return &r.Prop.BaiH; }},
    {"BG.BG", FieldKind::Bool, [](FormatRecord& r) -> FieldRef { return &r.BG.BG; }},
    {"BG.Style", FieldKind::Index, [](FormatRecord& r) -> FieldRef { return &r.BG.Style; }},
    {"BG.Color", FieldKind::Index, [](FormatRecord& r) -> FieldRef { return &r.BG.Color; }},
    {"BG.BGColor", FieldKind::Color, [](FormatRecord& r) -> FieldRef { return &r.BG.BGColor; }},
    {"Waku.Waku", FieldKind::Bool, [](FormatRecord& r) -> FieldRef { return &r.Waku.Waku; }},
    {"Waku.Style", FieldKind::Index, [](FormatRecord& r) -> FieldRef { return &r.Waku.Style; }},
    {"Waku.PenStyle", FieldKind::Index, [](FormatRecord& r) -> FieldRef { return &r.Waku.PenStyle; }},
    {"Waku.PenColor", FieldKind::Index, [](FormatRecord& r) -> FieldRef { return &r.Waku.PenColor; }},
    {"Waku.Pcolor", FieldKind::Color, [](FormatRecord& r) -> FieldRef { return &r.Waku.Pcolor; }},
    {"Waku.PenWidth", FieldKind::Int, [](FormatRecord& r) -> FieldRef { return &r.Waku.PenWidth; }},
    {"Waku.Wakuset", FieldKind::Int, [](FormatRecord& r) -> FieldRef { return &r.Waku.Wakuset; }},
    {"Waku.Brush", FieldKind::Bool, [](FormatRecord& r) -> FieldRef { return &r.Waku.Brush; }},
    {"Waku.BrushStyle", FieldKind::Index, [](FormatRecord& r) -> FieldRef { return &r.Waku.BrushStyle; }},
    {"Waku.BrushColor", FieldKind::Index, [](FormatRecord& r) -> FieldRef { return &r.Waku.BrushColor; }},
    {"Waku.Bcolor", FieldKind::Color, [](FormatRecord& r) -> FieldRef { return &r.Waku.Bcolor; }},
    {"Hani.Hani", FieldKind::Index, [](FormatRecord& r) -> FieldRef { return &r.Hani.Hani; }},
    {"Hani.Left", FieldKind::Int, [](FormatRecord& r) -> FieldRef { return &r.Hani.Left; }},
    {"Hani.Top", FieldKind::Int, [](FormatRecord& r) -> FieldRef { return &r.Hani.Top; }},
    {"Hani.Right", FieldKind::Int, [](FormatRecord& r) -> FieldRef { return &r.Hani.Right; }},
    {"Hani.Bottom", FieldKind::Int, [](FormatRecord& r) -> FieldRef { return &r.Hani.Bottom; }},
    {"Hani.Width", FieldKind::Int, [](FormatRecord& r) -> FieldRef { return &r.Hani.Width; }},
    {"Hani.Height", FieldKind::Int, [](FormatRecord& r) -> FieldRef { return &r.Hani.Height; }},
    {"Hani.Center", FieldKind::Bool, [](FormatRecord& r) -> FieldRef { return &r.Hani.Center; }},
    {"Hani.Point", FieldKind::Text, [](FormatRecord& r) -> FieldRef { return &r.Hani.Point; }},
    {"Gazo.Gazo", FieldKind::Bool, [](FormatRecord& r) -> FieldRef { return &r.Gazo.Gazo; }},
    {"Gazo.Hiritsu", FieldKind::Bool, [](FormatRecord& r) -> FieldRef { return &r.Gazo.Hiritsu; }},
    {"Gazo.File", FieldKind::Text, [](FormatRecord& r) -> FieldRef { return &r.Gazo.File; }},
    {"Gazo.Width", FieldKind::Int, [](FormatRecord& r) -> FieldRef { return &r.Gazo.Width; }},
    {"Gazo.Height", FieldKind::Int, [](FormatRecord& r) -> FieldRef { return &r.Gazo.Height; }},
    {"Gazo.Left", FieldKind::Int, [](FormatRecord& r) -> FieldRef { return &r.Gazo.Left; }},
    {"Gazo.Top", FieldKind::Int, [](FormatRecord& r) -> FieldRef { return &r.Gazo.Top; }},
    {"Gazo.CenterX", FieldKind::Bool, [](FormatRecord& r) -> FieldRef { return &r.Gazo.CenterX; }},
    {"Gazo.CenterY", FieldKind::Bool, [](FormatRecord& r) -> FieldRef { return &r.Gazo.CenterY; }},
    {"LineFont.Mode", FieldKind::Bool, [](FormatRecord& r) -> FieldRef { return &r.LineFont.Mode; }},
    {"LogFont.CBLfont1", FieldKind::Bool, [](FormatRecord& r) -> FieldRef { return &r.LogFont.CBLfont1; }},
    {"LogFont.SELfontescapement1", FieldKind::Int, [](FormatRecord& r) -> FieldRef { return &r.LogFont.SELfontescapement1; }},
    {"LogFont.CBLfontweight1", FieldKind::Index, [](FormatRecord& r) -> FieldRef { return &r.LogFont.CBLfontweight1; }},
    {"LogFont.CBLfontchartset1", FieldKind::Index, [](FormatRecord& r) -> FieldRef { return &r.LogFont.CBLfontchartset1; }},
    {"LogFont.CBLfontOutPrecision1", FieldKind::Index, [](FormatRecord& r) -> FieldRef { return &r.LogFont.CBLfontOutPrecision1; }},
    {"LogFont.SBlogfontheight", FieldKind::Int, [](FormatRecord& r) -> FieldRef { return &r.LogFont.SBlogfontheight; }},
    {"LogFont.SBlogfontwidth", FieldKind::Int, [](FormatRecord& r) -> FieldRef { return &r.LogFont.SBlogfontwidth; }},
    {"LogFont.CBfontClipPrecision1", FieldKind::Index, [](FormatRecord& r) -> FieldRef { return &r.LogFont.CBfontClipPrecision1; }},
    {"LogFont.CBLfontQuality1", FieldKind::Index, [](FormatRecord& r) -> FieldRef { return &r.LogFont.CBLfontQuality1; }},
    {"Printer.Index", FieldKind::Int, [](FormatRecord& r) -> FieldRef { return &r.Printer.Index; }},
    {"Printer.Orientation", FieldKind::Bool, [](FormatRecord& r) -> FieldRef { return &r.Printer.Orientation; }},
    {"Paper.Name", FieldKind::Int, [](FormatRecord& r) -> FieldRef { return &r.Paper.Name; }},
    {"Menu.Gradation", FieldKind::Bool, [](FormatRecord& r) -> FieldRef { return &r.Menu.Gradation; }},
    {"Kakudai.Ren", FieldKind::Index, [](FormatRecord& r) -> FieldRef { return &r.Kakudai.Ren; }},
    {"Kakudai.Line", FieldKind::Bool, [](FormatRecord& r) -> FieldRef { return &r.Kakudai.Line; }},
    {"Kakudai.Number", FieldKind::Index, [](FormatRecord& r) -> FieldRef { return &r.Kakudai.Number; }},
    {"Kakudai.Silver", FieldKind::Bool, [](FormatRecord& r) -> FieldRef { return &r.Kakudai.Silver; }},
    {"Colors.ColorA", FieldKind::CustomColor, [](FormatRecord& r) -> FieldRef { return &r.Colors[0]; }},
    {"Colors.ColorB", FieldKind::CustomColor, [](FormatRecord& r) -> FieldRef { return &r.Colors[1]; }},
    {"Colors.ColorC", FieldKind::CustomColor, [](FormatRecord& r) -> FieldRef { return &r.Colors[2]; }},
    {"Colors.ColorD", FieldKind::CustomColor, [](FormatRecord& r) -> FieldRef { return &r.Colors[3]; }},
    {"Colors.ColorE", FieldKind::CustomColor, [](FormatRecord& r) -> FieldRef { return &r.Colors[4]; }},
    {"Colors.ColorF", FieldKind::CustomColor, [](FormatRecord& r) -> FieldRef { return &r.Colors[5]; }},
    {"Colors.ColorG", FieldKind::CustomColor, [](FormatRecord& r) -> FieldRef { return &r.Colors[6]; }},
    {"Colors.ColorH", FieldKind::CustomColor, [](FormatRecord& r) -> FieldRef { return &r.Colors[7]; }},
    {"Colors.ColorI", FieldKind::CustomColor, [](FormatRecord& r) -> FieldRef { return &r.Colors[8]; }},
    {"Colors.ColorJ", FieldKind::CustomColor, [](FormatRecord& r) -> FieldRef { return &r.Colors[9]; }},
    {"Colors.ColorK", FieldKind::CustomColor, [](FormatRecord& r) -> FieldRef { return &r.Colors[10]; }},
    {"Colors.ColorL", FieldKind::CustomColor, [](FormatRecord& r) -> FieldRef { return &r.Colors[11]; }},
    {"Colors.ColorM", FieldKind::CustomColor, [](FormatRecord& r) -> FieldRef { return &r.Colors[12]; }},
    {"Colors.ColorN", FieldKind::CustomColor, [](FormatRecord& r) -> FieldRef { return &r.Colors[13]; }},
    {"Colors.ColorO", FieldKind::CustomColor, [](FormatRecord& r) -> FieldRef { return &r.Colors[14]; }},
    {"Colors.ColorP", FieldKind::CustomColor, [](FormatRecord& r) -> FieldRef { return &r.Colors[15]; }},
};
// clang-format on

} // namespace

std::span<const FieldInfo> FormatFields() { return kFields; }

const FieldInfo* FindFormatField(const QString& name) {
    for (const FieldInfo& f : kFields)
        if (name.compare(QLatin1String(f.name), Qt::CaseInsensitive) == 0)
            return &f;
    return nullptr;
}

bool SetFormatField(FormatRecord& record, const FieldInfo& field, const QString& text) {
    const FieldRef ref = field.ref(record);
    switch (field.kind) {
    case FieldKind::Int:
    case FieldKind::Index: {
        const auto v = ParseIntText(text);
        if (!v)
            return false;
        *std::get<int*>(ref) = *v;
        return true;
    }
    case FieldKind::Bool: {
        const auto v = ParseIntText(text);
        if (!v)
            return false;
        *std::get<bool*>(ref) = *v != 0;
        return true;
    }
    case FieldKind::Color: {
        const auto v = ParseColorText(text);
        if (!v)
            return false;
        *std::get<ColorRef*>(ref) = *v;
        return true;
    }
    case FieldKind::CustomColor: {
        bool ok = false;
        const uint v = text.toUInt(&ok, 16);
        if (!ok || text.isEmpty() || text.size() > 8)
            return false;
        *std::get<ColorRef*>(ref) = v;
        return true;
    }
    case FieldKind::Text:
        *std::get<QString*>(ref) = text;
        return true;
    }
    return false;
}

QString FormatFieldText(const FormatRecord& record, const FieldInfo& field) {
    // The accessors take a mutable record; reading through them changes nothing.
    const FieldRef ref = field.ref(const_cast<FormatRecord&>(record));
    switch (field.kind) {
    case FieldKind::Int:
    case FieldKind::Index:
        return QString::number(*std::get<int*>(ref));
    case FieldKind::Bool:
        return *std::get<bool*>(ref) ? QStringLiteral("1") : QStringLiteral("0");
    case FieldKind::Color:
        return ColorText(*std::get<ColorRef*>(ref));
    case FieldKind::CustomColor:
        return QStringLiteral("%1").arg(*std::get<ColorRef*>(ref), 6, 16, QLatin1Char('0')).toUpper();
    case FieldKind::Text:
        return *std::get<QString*>(ref);
    }
    return {};
}

} // namespace zenpa
