#include "color.h"

namespace zenpa {

const std::array<ColorItem, kColorItemCount>& ColorTable() {
    static const std::array<ColorItem, kColorItemCount> table{{
        {u"黒色", MakeColor(0, 0, 0)},
        {u"栗色", MakeColor(128, 0, 0)},
        {u"緑色", MakeColor(0, 128, 0)},
        {u"黄緑色", MakeColor(128, 128, 0)},
        {u"濃紺色", MakeColor(0, 0, 128)},
        {u"紫色", MakeColor(128, 0, 128)},
        {u"暗青緑色", MakeColor(0, 128, 128)},
        {u"灰色", MakeColor(128, 128, 128)},
        {u"銀色", MakeColor(192, 192, 192)},
        {u"赤色", MakeColor(255, 0, 0)},
        {u"濃緑色", MakeColor(0, 255, 0)},
        {u"青色", MakeColor(0, 0, 255)},
        {u"赤紫色", MakeColor(255, 0, 255)},
        {u"空色", MakeColor(0, 255, 255)},
        {u"黄色", MakeColor(255, 255, 0)},
        {u"白色", MakeColor(255, 255, 255)},
        {u"その他", kBlack},
    }};
    return table;
}

QString ColorItemName(int i) {
    if (i < 0 || i >= kColorItemCount)
        return {};
    return QString::fromUtf16(ColorTable()[static_cast<std::size_t>(i)].name);
}

int ColorItemIndex(const QString& name) {
    for (int i = 0; i < kColorItemCount; ++i)
        if (name == ColorItemName(i))
            return i;
    return -1;
}

ColorRef RoleFallback(ColorRole role) {
    switch (role) {
    case ColorRole::Text:
    case ColorRole::FrameLine:
    case ColorRole::GradationStart:
        return kBlack;
    case ColorRole::Background:
    case ColorRole::FrameFill:
    case ColorRole::Shadow:
    case ColorRole::HollowInside:
    case ColorRole::GradationEnd:
        return kWhite;
    }
    return kBlack;
}

ColorRef ResolveColor(ColorChoice choice, ColorRef custom, ColorRole role) {
    if (choice == kOtherColor)
        return custom;
    if (choice >= 0 && choice < kOtherColor)
        return ColorTable()[static_cast<std::size_t>(choice)].color;
    return RoleFallback(role);
}

ColorRef ToRgb(ColorRef c) {
    if (IsSystemColor(c)) {
        // A light desktop palette, indexed like the system colour identifiers.
        static const ColorRef sys[31] = {
            MakeColor(200, 200, 200), MakeColor(0, 0, 0),       MakeColor(153, 180, 209),
            MakeColor(191, 205, 219), MakeColor(240, 240, 240), MakeColor(255, 255, 255),
            MakeColor(100, 100, 100), MakeColor(0, 0, 0),       MakeColor(0, 0, 0),
            MakeColor(0, 0, 0),       MakeColor(180, 180, 180), MakeColor(244, 247, 252),
            MakeColor(171, 171, 171), MakeColor(0, 120, 215),   MakeColor(255, 255, 255),
            MakeColor(240, 240, 240), MakeColor(160, 160, 160), MakeColor(109, 109, 109),
            MakeColor(0, 0, 0),       MakeColor(0, 0, 0),       MakeColor(255, 255, 255),
            MakeColor(105, 105, 105), MakeColor(227, 227, 227), MakeColor(0, 0, 0),
            MakeColor(255, 255, 225), MakeColor(0, 0, 0),       MakeColor(0, 102, 204),
            MakeColor(185, 209, 234), MakeColor(215, 228, 242), MakeColor(51, 153, 255),
            MakeColor(240, 240, 240)};
        const unsigned idx = c & 0xFFu;
        return idx < 31 ? sys[idx] : kBlack;
    }
    if (c == kColorNone || c == kColorDefault || (c & 0xFF000000u) != 0)
        return kBlack;
    return c;
}

} // namespace zenpa
