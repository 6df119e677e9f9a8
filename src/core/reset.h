#pragma once

// A new document: the reset gives every setting its new-document value and
// leaves the settings a user keeps across documents alone.

#include "document.h"
#include "print_range.h"
#include "printer_system.h"

namespace zenpa {

// Empties the text, resets the line table and the settings (keeping the kept
// ones), sets the printer's orientation, recomputes the range and its limits,
// then puts the margins at their lower limits, the range size at its upper
// limits and the picture at full size in the top-left corner.
void ResetDocument(Document& doc, PrinterSystem& printer, PanelSize panel, int windowDpi,
                   PrintRangeState& state);

} // namespace zenpa
