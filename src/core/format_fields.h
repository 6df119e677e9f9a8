#pragma once

// Every scalar setting of a FormatRecord by its name "Section.Key", for the
// command line and for reports. The table is the one list of names; adding a
// setting to the record means adding it here.

#include "format_record.h"

#include <QString>

#include <functional>
#include <span>
#include <variant>

namespace zenpa {

enum class FieldKind {
    Int,          // a number
    Bool,         // 0 or 1
    Index,        // an item of a list or radio group, -1 for none
    Color,        // a colour value, as ColorText writes it
    Text,         // free text
    CustomColor,  // a colour dialog slot: hex digits, FFFFFFFF for empty
};

using FieldRef = std::variant<int*, bool*, ColorRef*, QString*>;

struct FieldInfo {
    const char* name;
    FieldKind kind;
    FieldRef (*ref)(FormatRecord&);
};

std::span<const FieldInfo> FormatFields();

// The field of that name (case-insensitive), or nullptr.
const FieldInfo* FindFormatField(const QString& name);

// Sets a field from its text form; false (and nothing changed) when the text
// is not a value of the field's kind.
bool SetFormatField(FormatRecord& record, const FieldInfo& field, const QString& text);

// The text form of a field's value.
QString FormatFieldText(const FormatRecord& record, const FieldInfo& field);

} // namespace zenpa
