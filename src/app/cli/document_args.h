#pragma once

// The document inputs every document command of zenpa-cli takes, and the
// session they set up: a printer (virtual or built-in), a started program
// with a new document, the format file read into it, the given lines and
// settings, and the print range of that page.

#include "core/app_state.h"
#include "core/print_range.h"
#include "core/printer_system.h"
#include "files/format_file.h"

#include <QPair>
#include <QStringList>

#include <memory>
#include <optional>

namespace zenpa::cli {

struct DocumentArgs {
    QString file;                  // the positional FILE.zps, empty for none
    std::optional<PageFacts> page; // --page
    PanelSize panel;               // --panel
    QStringList lines;             // --line and --text-file, in order
    QList<QPair<QString, QString>> sets; // --set Section.Key=VALUE
};

// Takes the document options and the one positional file out of args (which
// keeps the other options, in order). Throws UsageError for a malformed value
// or a second file.
DocumentArgs TakeDocumentArgs(QStringList& args);

// Parses "pix=XxY,area=WxH,sheet=WxH,offset=XxY".
PageFacts ParsePageSpec(const QString& spec);

inline constexpr int kWindowDpi = 96;

struct Session {
    std::unique_ptr<PrinterSystem> printer;
    std::unique_ptr<AppState> state;
    bool readResult = true; // the reader's result; true when no file was given
    bool centerSwitchedOff = false;
};

// A started program on the page of the arguments: the new-document reset,
// then the file read in `mode`, then the lines (when any are given, they
// replace the file's text) and the settings, then the print range.
Session OpenSession(const DocumentArgs& args, ReadMode mode = ModeOpen);

} // namespace zenpa::cli
