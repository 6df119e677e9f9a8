#pragma once

// Text forms of stored values: integers as the format file and the command
// line accept them, and colours as identifiers or "$" + eight hex digits.

#include "color.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace zenpa {

// Decimal with optional sign, or hexadecimal after "$" or "0x" (also with a
// sign). Hexadecimal takes up to eight digits and wraps into 32 bits the way
// a 32-bit register would ("$FFFFFFFF" is -1); decimal must fit in 32 bits.
// Blanks are not skipped. Anything else gives nothing.
std::optional<std::int32_t> ParseIntText(const QString& text);

// The identifier of a colour value when it has one ("clRed"), else "$" and
// eight upper-case hexadecimal digits ("$00123456").
QString ColorText(ColorRef c);

// An identifier of the colour table (any case) or an integer; nothing when the
// text is neither.
std::optional<ColorRef> ParseColorText(const QString& text);

} // namespace zenpa
