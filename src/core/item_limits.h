#pragma once

// How a control takes a value it is given: a radio group, a drop-down list,
// a scroll bar or a spin edit. Settings read from files go through these, so
// a stored value never selects an item a list does not have.

namespace zenpa {

// The item index meaning "nothing selected".
inline constexpr int kNoItem = -1;

// A radio group of `count` items: beyond its last item the last item, a
// negative index nothing selected.
constexpr int RadioIndex(int index, int count) {
    if (index < 0) return kNoItem;
    return index >= count ? count - 1 : index;
}

// A drop-down list of `count` items: an index outside its items selects nothing.
constexpr int ListIndex(int index, int count) {
    return index >= 0 && index < count ? index : kNoItem;
}

// A scroll bar or spin edit from lo to hi: the value moved to the nearer end.
constexpr int ClampToRange(int value, int lo, int hi) {
    return value < lo ? lo : (value > hi ? hi : value);
}

} // namespace zenpa
