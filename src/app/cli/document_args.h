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
    std::optional<QString> printer;      // --printer NAME|INDEX: a printer of the system's list
};

// Takes the document options and the one positional file out of args (which
// keeps the other options, in order). Throws UsageError for a malformed value
// or a second file.
DocumentArgs TakeDocumentArgs(QStringList& args);

// Takes "name VALUE" out of args: the value, or an empty text when the
// option is absent. Throws UsageError when the value is missing.
QString TakeOption(QStringList& args, const QString& name);

// Parses "pix=XxY,area=WxH,sheet=WxH,offset=XxY".
PageFacts ParsePageSpec(const QString& spec);

inline constexpr int kWindowDpi = 96;

struct Session {
    std::unique_ptr<PrinterSystem> printer;
    std::unique_ptr<AppState> state;
    bool readResult = true; // the reader's result; true when no file was given
    bool centerSwitchedOff = false;
};

// Which printers a session sees without --page or --printer: the built-in
// printer alone (layouts that do not depend on the machine), or the
// system's printers followed by the built-in one.
enum class Printers { BuiltinOnly, System };

// A started program on the page of the arguments: the new-document reset,
// then the file read in `mode`, then the printer of --printer, the lines
// (when any are given, they replace the file's text) and the settings, then
// the print range. Throws UsageError for an unknown printer and RunError for
// one that cannot be opened.
Session OpenSession(const DocumentArgs& args, ReadMode mode = ModeOpen,
                    Printers printers = Printers::BuiltinOnly);

// The index of a printer given by name or by its index in the list; -1 when
// there is no such printer.
int FindPrinter(const PrinterSystem& printers, const QString& nameOrIndex);

} // namespace zenpa::cli
