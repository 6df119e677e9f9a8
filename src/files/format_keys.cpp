#include "format_keys.h"

#include "core/color.h"
#include "core/format_record.h"

namespace zenpa {

namespace {

constexpr KeyUse I = KeyUse::Info;
constexpr KeyLimit Range = KeyLimit::Range;
constexpr KeyLimit Radio = KeyLimit::Radio;
constexpr KeyLimit List = KeyLimit::List;
constexpr KeyLimit Deferred = KeyLimit::Deferred;
constexpr int kColors = kColorItemCount;
constexpr int kBrushStyles = 8; // "ベタ" .. "透過"

// clang-format off
const KeyDef kFont[] = {
    {"Name", KeyUse::Stored, KeyLimit::Face},
    {"Style", KeyUse::Stored, KeyLimit::StyleBits, 0, 255, KeyDefault::Zero},
    {"Color"},
    {"STColor"},
    {"SColor", KeyUse::Stored, List, kColors},
    {"Efect", KeyUse::Stored, KeyLimit::Effects},
    {"ShadowWidth", KeyUse::Stored, Range, 1, 9999},
    {"ShadowColor", KeyUse::Stored, List, kColors},
    {"ShadowColor2"},
    {"Shadow", KeyUse::Stored, List, 8},
    {"OutLine", KeyUse::Stored, Range, 1, 100},
    {"OutLineColor", KeyUse::Stored, List, kColors},
    {"OutLineColor2"},
    {"Gradation1Color1", KeyUse::Stored, List, kColors},
    {"Gradation1Color2"},
    {"Gradation2Color1", KeyUse::Stored, List, kColors},
    {"Gradation2Color2"},
};

const KeyDef kProp[] = {
    {"Mode"},
    {"Size", KeyUse::Stored, Radio, 2},
    {"Set", KeyUse::Stored, Radio, 3},
    {"Bai", KeyUse::Stored, Range, kScaleMin, kScaleMax},
    {"BaiH", KeyUse::Stored, Range, kScaleMin, kScaleMax},
    {"Rb", I},
};

const KeyDef kBG[] = {
    {"BG"},
    {"Style", KeyUse::Stored, List, kBrushStyles},
    {"Color", KeyUse::Stored, List, kColors},
    {"BGColor"},
};

const KeyDef kWaku[] = {
    {"Waku"},
    {"Style", KeyUse::Stored, List, 6},
    {"PenStyle", KeyUse::Stored, List, 6},
    {"PenColor", KeyUse::Stored, List, kColors},
    {"Pcolor"},
    {"PenWidth", KeyUse::Stored, Range, 1, 9999},
    {"Wakuset", KeyUse::Stored, Range, kScaleMin, kScaleMax},
    {"Brush"},
    {"BrushStyle", KeyUse::Stored, List, kBrushStyles},
    {"BrushColor", KeyUse::Stored, List, kColors},
    {"Bcolor"},
};

const KeyDef kHani[] = {
    {"Hani", KeyUse::Stored, Radio, 5},
    {"Left", KeyUse::Stored, Deferred, 0, 0, KeyDefault::Lower},
    {"Top", KeyUse::Stored, Deferred, 0, 0, KeyDefault::Lower},
    {"Right", KeyUse::Stored, Deferred, 0, 0, KeyDefault::Lower},
    {"Bottom", KeyUse::Stored, Deferred, 0, 0, KeyDefault::Lower},
    {"Width", KeyUse::Stored, Deferred, 0, 0, KeyDefault::Upper},
    {"Height", KeyUse::Stored, Deferred, 0, 0, KeyDefault::Upper},
    {"Center"},
    {"X", I},
    {"Y", I},
    {"X2", I},
    {"Y2", I},
    {"W", I},
    {"H", I},
    {"Point"},
};

const KeyDef kGazo[] = {
    {"Gazo", KeyUse::Stored, KeyLimit::None, 0, 0, KeyDefault::Zero},
    {"Hiritsu", KeyUse::Stored, KeyLimit::None, 0, 0, KeyDefault::Zero},
    {"File", KeyUse::Stored, KeyLimit::None, 0, 0, KeyDefault::Zero},
    {"Width", KeyUse::Stored, Deferred},
    {"Height", KeyUse::Stored, Deferred},
    {"Left", KeyUse::Stored, Deferred},
    {"Top", KeyUse::Stored, Deferred},
    {"LWidth", I},
    {"LHeight", I},
    {"LLeft", I},
    {"LTop", I},
    {"CenterX", KeyUse::Stored, KeyLimit::None, 0, 0, KeyDefault::Zero},
    {"CenterY", KeyUse::Stored, KeyLimit::None, 0, 0, KeyDefault::Zero},
};

const KeyDef kColorSlots[] = {
    {"ColorA"}, {"ColorB"}, {"ColorC"}, {"ColorD"}, {"ColorE"}, {"ColorF"}, {"ColorG"}, {"ColorH"},
    {"ColorI"}, {"ColorJ"}, {"ColorK"}, {"ColorL"}, {"ColorM"}, {"ColorN"}, {"ColorO"}, {"ColorP"},
};

const KeyDef kLogFont[] = {
    {"CBLfont1"},
    {"SELfontescapement1", KeyUse::Stored, Range, 0, 360},
    {"CBLfontweight1", KeyUse::Stored, List, 11},
    {"CBLfontchartset1", KeyUse::Stored, List, 5},
    {"CBLfontOutPrecision1", KeyUse::Stored, List, 8},
    {"SBlogfontheight", KeyUse::Stored, Range, 10, 1000},
    {"SBlogfontwidth", KeyUse::Stored, Range, 10, 1000},
    {"CBfontClipPrecision1", KeyUse::Stored, List, 7},
    {"CBLfontQuality1", KeyUse::Stored, List, 3},
};
// clang-format on

const SectionDef kSettings[] = {
    {"Font", kFont}, {"Prop", kProp}, {"BG", kBG},
    {"Waku", kWaku}, {"Hani", kHani}, {"Gazo", kGazo},
};

const SectionDef kColorsSection{"Colors", kColorSlots};
const SectionDef kLogFontSection{"LogFont", kLogFont};

} // namespace

std::span<const SectionDef> SettingsSections() {
    return kSettings;
}

const SectionDef& ColorsSection() {
    return kColorsSection;
}

const SectionDef& LogFontSection() {
    return kLogFontSection;
}

QString FieldName(const SectionDef& section, const KeyDef& key) {
    return QLatin1String(section.name) + QLatin1Char('.') + QLatin1String(key.key);
}

} // namespace zenpa
