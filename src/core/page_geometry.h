#pragma once

// The page facts of a printer and the print range on its sheet.

namespace zenpa {

// All in device pixels of the printer, except the resolutions (pixels per inch).
struct PageGeometry {
    int PixX = 0;    // horizontal resolution
    int PixY = 0;    // vertical resolution
    int Width = 0;   // printable area
    int Height = 0;
    int SizeX = 0;   // whole physical sheet
    int SizeY = 0;
    int OffsetX = 0; // printable area's distance from the sheet's left and top edge
    int OffsetY = 0;

    bool operator==(const PageGeometry&) const = default;
};

// What a printer reports. A printer that cannot tell its physical sheet has
// physicalKnown false; its SizeX/SizeY/OffsetX/OffsetY are then ignored.
struct PageFacts {
    PageGeometry page;
    bool physicalKnown = true;
};

// Left, top, right and bottom edge of the range in device pixels of the
// printable area (origin at its top-left corner). The right and bottom edge
// are not counted as one more pixel: the width is Px2 − Px.
struct PrintRange {
    int Px = 0;
    int Py = 0;
    int Px2 = 0;
    int Py2 = 0;

    int width() const { return Px2 - Px; }
    int height() const { return Py2 - Py; }
    bool operator==(const PrintRange&) const = default;
};

} // namespace zenpa
