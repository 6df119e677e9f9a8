#pragma once

// The format file: a document's text and settings, with facts about the
// printer, the paper, the window and the computer at the time of writing.
// Documents (".zps"), the settings file and the settings report all use it.

#include "core/app_state.h"
#include "core/canvas.h"

#include <QString>

namespace zenpa {

enum ReadMode {
    ModeStartup,    // start-up, a file on the command line, a dropped file:
                    // also the remembered file names and the window's place
    ModeOpen,       // opening a document: both remembered names become the path
    ModeFormatOnly, // the format only: the text and the remembered names stay
};

// Writes the document, its settings and the information keys to `path`,
// keeping the previous version in the ".$$$" file beside it (safe_save.h).
// The line placement values are measured on `canvas`, the printer's
// measuring canvas, with the print range of the last range computation.
// False when the file could not be written; `path` is then unchanged and
// `error`, when given, holds the system's description.
bool WriteFormatFile(const AppState& state, Canvas& canvas, const QString& path,
                     QString* error = nullptr);

// The file's content as WriteFormatFile writes it (UTF-16 LE with its mark).
QByteArray FormatFileBytes(const AppState& state, Canvas& canvas, const QString& path);

// Reads `path` into the state in one of the three modes, with redraws
// suppressed. A missing file reads as an empty one. The read stops at the
// first key that fails (a colour that is no colour, a style outside 0..255,
// a count beyond kMaxStoredCount) or when the file cannot be read: what was
// read so far stays applied, the final step runs and the result is false.
// Observers are told kChangeAll at the end; the reader does not redraw.
bool ReadFormatFile(AppState& state, const QString& path, ReadMode mode);

} // namespace zenpa
