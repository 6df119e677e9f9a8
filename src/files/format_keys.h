#pragma once

// The keys of the format file's settings sections (Font, Prop, BG, Waku,
// Hani, Gazo, LogFont) in the order they are written and read, with what the
// reader does with each.

#include <QString>

#include <span>

namespace zenpa {

enum class KeyUse {
    Stored, // the FormatRecord field "Section.Key"
    Info,   // written for the reader of the file, never read back
};

// How a value read from a file is applied.
enum class KeyLimit {
    None,
    Range,     // moved into lo .. hi
    Radio,     // a radio group of lo items (item_limits.h)
    List,      // a drop-down list of lo items
    Effects,   // the effect radio group, as many items as are offered
    Face,      // a face from the font list; any other becomes the window's face
    StyleBits, // 0 .. 255; anything else fails the read
    Deferred,  // page-dependent: brought into range once the page is known
};

// What a missing or unreadable key leaves.
enum class KeyDefault {
    Current, // the setting's current value
    Zero,    // 0, off or the empty text
    Lower,   // the margin's lower limit
    Upper,   // the size's upper limit
};

struct KeyDef {
    const char* key;
    KeyUse use = KeyUse::Stored;
    KeyLimit limit = KeyLimit::None;
    int lo = 0;
    int hi = 0;
    KeyDefault fallback = KeyDefault::Current;
};

struct SectionDef {
    const char* name;
    std::span<const KeyDef> keys;
};

// Font, Prop, BG, Waku, Hani, Gazo: read in this order after the printer and
// the window.
std::span<const SectionDef> SettingsSections();
// Colors: the sixteen custom colour slots "ColorA" .. "ColorP".
const SectionDef& ColorsSection();
// LogFont, read last.
const SectionDef& LogFontSection();

// "Section.Key", the name of the field a stored key holds.
QString FieldName(const SectionDef& section, const KeyDef& key);

} // namespace zenpa
