#pragma once

// The paper name on the paper button: the name of a known paper size code,
// or the sheet's size in whole millimetres.

#include "page_geometry.h"

#include <QString>

namespace zenpa {

// The name of a paper size code (DMPAPER numbering), empty for a code
// without one.
QString PaperSizeText(int code);

// The paper label for a code and a page: the code's name, or the physical
// sheet (SizeX × SizeY device pixels at PixX × PixY pixels per inch) in
// millimetres as "210x297". A resolution below 1 falls back as the page
// geometry does (PixX to PixY, PixY to windowDpi).
QString PaperLabel(int code, const PageGeometry& page, int windowDpi);

} // namespace zenpa
