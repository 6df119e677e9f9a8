#pragma once

// The per-line settings table as it follows the text: one row per line plus
// a spare row, rows filled from the main settings the first time they are
// needed, and faces that are not in the font list replaced.

#include "core/format_record.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace zenpa {

using FaceListed = std::function<bool(const QString&)>;

// The mark a row stores for an effect: empty, "影", "中" or "グ" for 0 .. 3,
// empty for any other value.
QString EffectMark(int effect);

// The mark a row stores for a style bit that is on ("太", "斜", "下", "取"
// for bold, italic, underline, strikeout).
QString StyleMark(int styleBit);

// A row from the main settings: face, colour item, the marks of the main
// style (a style cell whose bit is off keeps what it held), effect mark and
// percentage.
void FillRowFromMain(LineFontRow& row, const FormatRecord& format);

// Brings the table in line with the text: the grid shows one row per line
// (at least one), column 0 holds the line texts, and rows 1 .. N + 1 (the
// last one the spare row, N the number of lines; for no lines rows 1 and 2)
// are examined in order. A row without a face refills every one of those rows
// from the main settings; a row without a colour or a percentage takes the
// main one. Last, a face the font list does not have becomes the main
// window's face (isListedFace null: every face is listed).
void SyncLineTable(const QStringList& lines, FormatRecord& format, const FaceListed& isListedFace);

} // namespace zenpa
