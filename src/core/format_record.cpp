#include "format_record.h"

namespace zenpa {

int FormatRecord::pointSize() const {
    bool ok = false;
    const int v = Hani.Point.trimmed().toInt(&ok, 10);
    return ok ? v : 1;
}

ColorRef FormatRecord::textColor() const {
    return Font.SColor == kOtherColor ? Font.STColor : Font.Color;
}

} // namespace zenpa
