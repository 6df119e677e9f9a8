#pragma once

// Questions, messages and standard dialogs. Commands ask through this
// interface, so the window shows the real dialogs and tests answer with a
// script; no command opens a dialog of its own.

#include "color.h"

#include <QString>

#include <array>
#include <optional>

namespace zenpa {

class PrinterSystem;

enum class MessageKind { Information, Warning, Error, Question };
enum class Buttons { Ok, Yes, YesNo, YesCancel, YesNoCancel };
enum class Answer { Ok, Yes, No, Cancel };

struct FileDialogSpec {
    QString title;
    QString filter;        // "Format (*.zps);;Text (*.txt)"
    int filterIndex = 1;   // the entry of `filter` selected at first, 1-based
    QString defaultSuffix; // without the dot
    QString directory;
    QString fileName;      // proposed name
};

class Interaction {
public:
    virtual ~Interaction() = default;

    // A modal message box with the given buttons; the answer is the button pressed
    // (closing the box counts as its last button).
    virtual Answer message(MessageKind kind, const QString& text, Buttons buttons) = 0;

    virtual std::optional<QString> openFile(const FileDialogSpec& spec) = 0;
    virtual std::optional<QString> saveFile(const FileDialogSpec& spec) = 0;

    // The colour dialog: the chosen colour, or nothing on Cancel. The sixteen
    // custom slots are shown and may be edited (kNoCustomColor for an empty slot).
    virtual std::optional<ColorRef> chooseColor(ColorRef initial,
                                                std::array<ColorRef, 16>& customSlots) = 0;

    // The platform's print set-up dialog on the printer system (printer, paper,
    // orientation). True on OK, the choices applied; false on Cancel, nothing
    // changed.
    virtual bool printerSetup(PrinterSystem& printers) = 0;
    // The current printer's own properties dialog. True when the user
    // accepted it; every failure of the dialog counts as a cancel.
    virtual bool printerProperties(PrinterSystem& printers) = 0;
    // Opens the platform's printer settings (the desktop's printer tool or the
    // spooler's administration page) without waiting for them.
    virtual void openPrinterSettings() = 0;

    // A warning with a single Yes button.
    void warn(const QString& text) { message(MessageKind::Warning, text, Buttons::Yes); }
    // An error with an OK button.
    void error(const QString& text) { message(MessageKind::Error, text, Buttons::Ok); }
};

} // namespace zenpa
