#pragma once

// Colours as the document stores them, the shared 17-item colour list and
// how a chosen item becomes a colour.

#include <QString>

#include <array>
#include <cstdint>
#include <optional>

namespace zenpa {

// A colour value laid out as 0x00BBGGRR (red in the lowest byte), the form
// the format file stores. 0xFF0000nn is system colour nn; kColorNone and
// kColorDefault are the two special values.
using ColorRef = std::uint32_t;

inline constexpr ColorRef kColorNone = 0x1FFFFFFFu;
inline constexpr ColorRef kColorDefault = 0x20000000u;
inline constexpr ColorRef kBlack = 0x000000u;
inline constexpr ColorRef kWhite = 0xFFFFFFu;

constexpr ColorRef MakeColor(int r, int g, int b) {
    return static_cast<ColorRef>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int RedOf(ColorRef c) { return static_cast<int>(c & 0xFFu); }
constexpr int GreenOf(ColorRef c) { return static_cast<int>((c >> 8) & 0xFFu); }
constexpr int BlueOf(ColorRef c) { return static_cast<int>((c >> 16) & 0xFFu); }
constexpr bool IsSystemColor(ColorRef c) { return (c & 0xFF000000u) == 0xFF000000u; }

// The red, green and blue a colour value draws with. System colours take the
// desktop's usual light palette; "none" and "default" draw black.
ColorRef ToRgb(ColorRef c);

// An index into the shared colour list: 0..15 the named colours, 16 "その他"
// (the custom colour paired with the choice), anything else nothing chosen.
using ColorChoice = int;

inline constexpr int kColorItemCount = 17;
inline constexpr ColorChoice kOtherColor = 16;

struct ColorItem {
    const char16_t* name; // the item text, also what the line table stores
    ColorRef color;       // unused for "その他"
};

// The 17 items every colour list of the program shows, in order.
const std::array<ColorItem, kColorItemCount>& ColorTable();

// The item text of index i, or an empty string outside 0..16.
QString ColorItemName(int i);

// The position of an item text in the list (exact match), or -1.
int ColorItemIndex(const QString& name);

// What a colour is used for; decides the colour of an unresolvable choice.
enum class ColorRole {
    Text,            // black
    FrameLine,       // black
    GradationStart,  // black
    Background,      // white
    FrameFill,       // white
    Shadow,          // white
    HollowInside,    // white
    GradationEnd,    // white
};

ColorRef RoleFallback(ColorRole role);

// The colour a choice stands for: "その他" gives the paired custom colour,
// 0..15 the table colour, any other index the role's fallback.
ColorRef ResolveColor(ColorChoice choice, ColorRef custom, ColorRole role);

} // namespace zenpa
