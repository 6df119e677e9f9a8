#pragma once

// A canvas that only measures, with the font backend that also draws: the
// printer's measuring canvas when no print job is open.

#include "core/canvas.h"

namespace zenpa {

class FontBackend;

class MeasuringCanvas : public Canvas {
public:
    explicit MeasuringCanvas(const FontBackend& fonts) : m_fonts(fonts) {}

protected:
    TextExtent measureText(const FontSpec& font, const QString& text) override;

private:
    const FontBackend& m_fonts;
};

} // namespace zenpa
