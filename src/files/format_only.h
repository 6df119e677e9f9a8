#pragma once

// Taking the whole format from another document while keeping the text.

#include "core/app_state.h"

namespace zenpa {

// The shadow colour the format-only reset gives: "灰色".
inline constexpr ColorChoice kFormatOnlyShadowColor = 7;

// Puts the format back to the new-document values while keeping the text,
// the window, the remembered names, Hani.Point, the hollow and gradation
// colour items, the logical-font options and the enlarged-printing options
// (and every setting the new-document reset keeps); the shadow colour
// becomes "灰色". The line table is rebuilt from the text with the main
// settings, and the line settings are switched off. Runs with redraws
// suppressed; observers are told the format and the printer changed.
void ResetFormatOnly(AppState& state);

} // namespace zenpa
