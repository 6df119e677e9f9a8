#pragma once

// The document inputs every document command of zenpa-cli takes, and the
// session they set up: a printer (virtual or built-in), a new document with
// the given lines and settings, and the print range of that page.

#include "core/document.h"
#include "core/print_range.h"
#include "core/printer_system.h"

#include <QPair>
#include <QStringList>

#include <memory>
#include <optional>

namespace zenpa::cli {

struct DocumentArgs {
    std::optional<PageFacts> page; // --page
    PanelSize panel;               // --panel
    QStringList lines;             // --line and --text-file, in order
    QList<QPair<QString, QString>> sets; // --set Section.Key=VALUE
};

// Takes the document options out of args (which keeps the others, in order).
// Throws UsageError for a malformed value.
DocumentArgs TakeDocumentArgs(QStringList& args);

// Parses "pix=XxY,area=WxH,sheet=WxH,offset=XxY".
PageFacts ParsePageSpec(const QString& spec);

inline constexpr int kWindowDpi = 96;

struct Session {
    std::unique_ptr<PrinterSystem> printer;
    Document doc;
    PrintRangeState range;
    PanelSize panel;
    bool centerSwitchedOff = false;
};

// A new document on the page of the arguments, with their lines and settings
// applied after the reset, and its print range computed.
Session OpenSession(const DocumentArgs& args);

} // namespace zenpa::cli
