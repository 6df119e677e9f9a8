#pragma once

// The platform's printer dialogs and printer settings, for the window's
// Interaction: the print set-up dialog (printer, paper, orientation), the
// current printer's properties, and the desktop's printer settings.

class QWidget;

namespace zenpa {
class PrinterSystem;
}

namespace zenpa::ui {

// True on OK with the choices applied to the printer system; Cancel changes nothing.
bool RunPrinterSetupDialog(QWidget* parent, PrinterSystem& printers);
// True when the properties were accepted and applied; a failure counts as Cancel.
bool RunPrinterPropertiesDialog(QWidget* parent, PrinterSystem& printers);
// Starts the desktop's printer tool, or opens the spooler's administration
// page in the browser, without waiting.
void OpenPrinterSettings();

} // namespace zenpa::ui
