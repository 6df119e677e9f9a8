#include "printer_checks.h"

namespace zenpa {

bool CheckPrintersAtStartup(PrinterSystem& printers, Interaction& interaction) {
    if (printers.printerNames().isEmpty()) {
        interaction.error(kNoPrinterMessage);
        return false;
    }
    // Selecting the current printer again opens it; a printer that cannot be
    // opened is reported as faulty.
    const int current = printers.currentIndex();
    if (current < 0 || !printers.select(current)) {
        interaction.error(kPrinterErrorMessage);
        return false;
    }
    return true;
}

} // namespace zenpa
