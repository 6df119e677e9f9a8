#pragma once

// Numbered names and wrapped values of the format file.

#include <QString>

namespace zenpa {

// The largest count (lines, registered fonts, table rows) a file may give.
// A larger one is no document the program wrote: the read fails instead of
// allocating or looping on a hostile number.
inline constexpr int kMaxStoredCount = 100000;

// "01" .. "09", then "10", "100": the number of a text-line or table-row section.
QString SectionNumber(int n);
// "Line01" .. "Line09", "Line10", ...: the section of text line n (1-based).
QString LineSectionName(int n);
// "Lfont01" ...: the section of line-table row n (1-based).
QString LfontSectionName(int n);
// "Line0", "Line1", ... "Line10": the key of registered font i (0-based).
QString FontuserKey(int i);
// "ColorA" .. "ColorP": the key of custom colour slot i (0 .. 15).
QString CustomColorKey(int i);

// Values whose edge blanks matter are stored between two "#".
QString WrapValue(const QString& text);
// Removes the first and the last character, whatever they are; a text
// shorter than two characters gives the empty text.
QString UnwrapValue(const QString& text);

} // namespace zenpa
