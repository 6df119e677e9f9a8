#pragma once

// The print range: where on the sheet the text block, the frame and the
// background go, the limits of the margin and size settings, and the size
// and scale of the preview box.

#include "format_record.h"
#include "page_geometry.h"

#include <QString>

namespace zenpa {

// Lower and upper limit of one Hani setting, in whole millimetres.
struct Limit {
    int lower = 0;
    int upper = 0;
    bool operator==(const Limit&) const = default;
};

struct HaniLimits {
    Limit left, top, right, bottom, width, height;
    bool operator==(const HaniLimits&) const = default;
};

// The limits for a page, as the margin and size edits hold them.
HaniLimits ComputeHaniLimits(const PageGeometry& page, bool center);

// Brings each margin into its limits and each size into 1..upper (a size not
// above 0 or above its upper limit takes the upper limit).
void ClampHaniToLimits(FormatRecord::HaniSection& hani, const HaniLimits& limits);

// Label texts: "lower-upper" for a margin, "0-upper" for a size.
QString MarginLimitLabel(const Limit& l);
QString SizeLimitLabel(const Limit& l);

// Size of the panel that holds the preview, in screen pixels.
struct PanelSize {
    int width = 800;
    int height = 600;
};

// Everything one run of the range computation produces. Values live from one
// run to the next (the limits of the last run, the range the printing and the
// exports use).
struct PrintRangeState {
    PageGeometry page;  // the facts after the fallbacks, device pixels
    int W = 1;          // last pixel column of the printable area (Width − 1, at least 1)
    int H = 1;          // last pixel row
    PrintRange range;   // device pixels of the printable area
    double Rb = 0;      // preview pixels per device pixel
    int boxWidth = 0;   // preview box, screen pixels
    int boxHeight = 0;
    HaniLimits limits;  // of the last run, millimetres
};

// The page as the program uses it: a resolution below 1 falls back (PixX to
// PixY, PixY with PixX to windowDpi), and a printer that cannot tell its
// physical sheet is taken to print on all of it (the sheet is the printable
// area, the offsets 0).
PageGeometry ResolvePageFacts(const PageFacts& facts, int windowDpi);

// One run: reads the page facts, turns the Hani settings into the range,
// sizes the preview box for the panel, then refreshes the limits and clamps
// the settings into them. windowDpi stands in for a printer that reports no
// resolution. Returns true when it switched Hani.Center off because the
// centred range did not fit: the caller treats that as a change the user made.
bool ComputePrintRange(FormatRecord::HaniSection& hani, const PageFacts& facts, PanelSize panel,
                       int windowDpi, PrintRangeState& state);

} // namespace zenpa
