#pragma once

// The pieces of the format file's writer (format_writer*.cpp).

#include "core/app_state.h"
#include "core/canvas.h"
#include "format_keys.h"
#include "ini_text.h"

#include <QHash>

namespace zenpa {

// Writes a settings section in key order: stored keys from the record,
// information keys from `info` (key → text).
void WriteSettingsSection(IniWriter& out, const FormatRecord& record, const SectionDef& section,
                          const QHash<QString, QString>& info = {});

// Memo, one LineNN per text line with its placement on the page, LineFont
// and one LfontNN per row the grid shows.
void WriteTextSections(IniWriter& out, const AppState& state, Canvas& canvas);

} // namespace zenpa
