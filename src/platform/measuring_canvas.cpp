#include "measuring_canvas.h"

#include "font_backend.h"

namespace zenpa {

TextExtent MeasuringCanvas::measureText(const FontSpec& font, const QString& text) {
    return m_fonts.measure(font, text);
}

} // namespace zenpa
