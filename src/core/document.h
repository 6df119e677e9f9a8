#pragma once

// A document: the text lines of the editor plus every setting.

#include "format_record.h"

#include <QString>
#include <QStringList>

namespace zenpa {

struct Document {
    QStringList lines; // each without its line break; may be empty strings
    FormatRecord format;

    // The lines the layout gives a slot: the text, or the single line " "
    // when there is no text at all.
    QStringList layoutLines() const;
};

// The editor's text split into lines. The editor does not wrap; a line break
// at the very end adds no line, and an empty text has no lines. CR LF, CR and
// LF all end a line.
QStringList SplitEditorText(const QString& text);

// The editor text for a list of lines: "\n" between them, and one more after
// a final empty line, so that SplitEditorText gives the same lines back.
QString JoinEditorText(const QStringList& lines);

} // namespace zenpa
