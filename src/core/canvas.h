#pragma once

// The one interface through which the program measures and draws. Public
// calls are non-virtual and keep the canvas state (the selected font); a
// backend overrides the protected hooks. This header holds the font and
// measuring side; drawing backends add the rest.

#include "color.h"

#include <QString>

namespace zenpa {

// How FontSpec::size is meant.
enum class FontSizeUnit {
    Points,     // points at FontSpec::resolution pixels per inch (em = MulDiv(size, res, 72))
    EmPixels,   // em height in pixels
    CellPixels, // cell height (ascent + descent) in pixels
};

inline constexpr int kDefaultCharset = 1;

// Style bits of a font, as FormatRecord's Font.Style stores them.
enum FontStyleBits : int { kBoldBit = 1, kItalicBit = 2, kUnderlineBit = 4, kStrikeoutBit = 8 };

struct FontSpec {
    QString face;      // as the document names it; the font backend resolves it
    int style = 0;     // 1 bold, 2 italic, 4 underline, 8 strikeout
    FontSizeUnit unit = FontSizeUnit::Points;
    int size = 100;
    int resolution = 96; // pixels per inch, for FontSizeUnit::Points
    ColorRef color = kBlack;
    int charset = kDefaultCharset;

    bool operator==(const FontSpec&) const = default;
};

// Width and cell height of a text in device pixels of the canvas.
struct TextExtent {
    int width = 0;
    int height = 0;
    bool operator==(const TextExtent&) const = default;
};

class Canvas {
public:
    virtual ~Canvas() = default;

    const FontSpec& font() const { return m_font; }
    void setFont(const FontSpec& spec) { m_font = spec; }
    void setFontFace(const QString& face) { m_font.face = face; }
    void setFontStyle(int style) { m_font.style = style; }
    void setFontColor(ColorRef color) { m_font.color = color; }
    void setFontCharset(int charset) { m_font.charset = charset; }
    // A size in points at the font resolution.
    void setFontSize(int points) {
        m_font.unit = FontSizeUnit::Points;
        m_font.size = points;
    }
    // Pixels per inch for point sizes; the measuring canvas takes the printer's.
    void setFontResolution(int pixelsPerInch) { m_font.resolution = pixelsPerInch; }
    // A size given as the cell height in pixels.
    void setFontHeight(int cellPixels) {
        m_font.unit = FontSizeUnit::CellPixels;
        m_font.size = cellPixels;
    }

    // Width of the text and the font's cell height (the same for every text,
    // the empty one included), in device pixels.
    TextExtent textExtent(const QString& text) { return measureText(m_font, text); }
    int textWidth(const QString& text) { return textExtent(text).width; }
    int textHeight(const QString& text) { return textExtent(text).height; }

protected:
    virtual TextExtent measureText(const FontSpec& font, const QString& text) = 0;

private:
    FontSpec m_font;
};

} // namespace zenpa
