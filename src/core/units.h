#pragma once

// Integer arithmetic of the page: every length the user enters is turned
// into device pixels with these helpers, so that the preview, the printer
// and every export agree to the pixel.

#include <cstdint>

namespace zenpa {

// Millimetres and tenths of a millimetre per inch. Deliberately not 25.4 and
// 254: stored documents and printed pages have always used these values.
inline constexpr double kMmPerInch = 25.39999;
inline constexpr double kTenthMmPerInch = 253.9999;

// Rounds to nearest, ties to even; saturates to the 32-bit range (NaN gives 0).
std::int32_t Round(double v);

// Truncates toward zero; saturates to the 32-bit range (NaN gives 0).
std::int32_t Trunc(double v);

// a × b / c rounded to nearest with halves away from zero, computed in 64 bits;
// c = 0 gives -1. This is how a point size becomes an em height in pixels.
std::int32_t MulDiv(std::int32_t a, std::int32_t b, std::int32_t c);

// Whole millimetres to device pixels at the given resolution (pixels per inch).
std::int32_t MmToPixels(int mm, int resolution);

} // namespace zenpa
