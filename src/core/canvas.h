#pragma once

// The one interface through which the program measures and draws, modelled
// on a GDI device context: a selected font, pen and brush, transparent text
// with the top-left corner of its cell at the given point, shapes whose right
// and bottom edge are excluded. Public calls are non-virtual and keep the
// state; a backend overrides the protected hooks. Coordinates are the
// canvas's own pixels.

#include "color.h"

#include <QString>

#include <vector>

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
    // Drawn scaled by this factor: a scaled target draws the printer's font
    // shrunk geometrically, so its text is the printed text in small.
    double scale = 1.0;

    bool operator==(const FontSpec&) const = default;
};

enum class PenKind { Solid, Dash, Dot, DashDot, DashDotDot, Clear };

struct PenSpec {
    PenKind kind = PenKind::Solid;
    int width = 1; // pixels; styled pens wider than 1 draw solid
    ColorRef color = kBlack;
    bool operator==(const PenSpec&) const = default;
};

// The six hatches are fixed 8 × 8 patterns in canvas pixels.
enum class BrushKind { Clear, Solid, Horizontal, Vertical, FDiagonal, BDiagonal, Cross, DiagCross };

struct BrushSpec {
    BrushKind kind = BrushKind::Solid;
    ColorRef color = kWhite;
    bool operator==(const BrushSpec&) const = default;
};

// What a canvas can do; asked up front, never assumed.
struct CanvasCaps {
    bool textClip = true;        // clipToText works
    bool stretchBitmaps = true;  // stretched pictures can be drawn
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
        m_font.scale = 1.0;
    }
    // Draws the font geometrically scaled (1 = as measured).
    void setFontScale(double scale) { m_font.scale = scale; }

    // Width of the text and the font's cell height (the same for every text,
    // the empty one included), in pixels of the canvas.
    TextExtent textExtent(const QString& text) { return measureText(m_font, text); }
    int textWidth(const QString& text) { return textExtent(text).width; }
    int textHeight(const QString& text) { return textExtent(text).height; }

    const PenSpec& pen() const { return m_pen; }
    void setPen(const PenSpec& pen) { m_pen = pen; }
    const BrushSpec& brush() const { return m_brush; }
    void setBrush(const BrushSpec& brush) { m_brush = brush; }

    virtual CanvasCaps caps() const { return {}; }

    // Transparent text in the font colour, the top-left corner of its cell at (x, y).
    void textOut(int x, int y, const QString& text) {
        if (!text.isEmpty())
            drawText(m_font, x, y, text);
    }
    // The union of the text drawn at (x + dx, y + dy) for every dx of xs and
    // every dy of ys (rows outer, columns inner), in the font colour: a bold
    // copy of the letters. Backends draw it at the cost of a few draws; the
    // result equals the single draws.
    void textOutSpread(int x, int y, const QString& text, const std::vector<int>& xs,
                       const std::vector<int>& ys) {
        if (!text.isEmpty() && !xs.empty() && !ys.empty())
            drawTextSpread(m_font, x, y, text, xs, ys);
    }
    // Outline with the pen, inside with the brush; the right and bottom edge
    // (r, b) are not painted.
    void rectangle(int l, int t, int r, int b) { drawShape(Shape::Rectangle, l, t, r, b, 0, 0); }
    // cornerWidth and cornerHeight are the full size of the corner ellipse.
    void roundRect(int l, int t, int r, int b, int cornerWidth, int cornerHeight) {
        drawShape(Shape::RoundRect, l, t, r, b, cornerWidth, cornerHeight);
    }
    void ellipse(int l, int t, int r, int b) { drawShape(Shape::Ellipse, l, t, r, b, 0, 0); }
    // A line with the pen; the end point is not painted.
    void line(int x1, int y1, int x2, int y2) { drawLine(x1, y1, x2, y2); }
    // Fills with the brush alone; r and b excluded.
    void fillRect(int l, int t, int r, int b) { fillRectHook(l, t, r, b, m_brush); }

    // Restricts drawing to the outline of the text drawn at (x, y). False (and
    // nothing restricted) when the outline is empty or cannot be made.
    bool clipToText(int x, int y, const QString& text) { return clipToTextHook(m_font, x, y, text); }
    void resetClip() { resetClipHook(); }

    // Saves the font, pen and brush and restores them at the end of a scope.
    class StateSaver {
    public:
        explicit StateSaver(Canvas& c) : m_c(c), m_font(c.m_font), m_pen(c.m_pen), m_brush(c.m_brush) {}
        ~StateSaver() {
            m_c.m_font = m_font;
            m_c.m_pen = m_pen;
            m_c.m_brush = m_brush;
        }
        StateSaver(const StateSaver&) = delete;
        StateSaver& operator=(const StateSaver&) = delete;

    private:
        Canvas& m_c;
        FontSpec m_font;
        PenSpec m_pen;
        BrushSpec m_brush;
    };

protected:
    enum class Shape { Rectangle, RoundRect, Ellipse };

    virtual TextExtent measureText(const FontSpec& font, const QString& text) = 0;
    // Drawing hooks; a canvas that only measures draws nothing.
    virtual void drawText(const FontSpec& font, int x, int y, const QString& text) {
        (void)font, (void)x, (void)y, (void)text;
    }
    // The reference: every single draw, rows outer, columns inner.
    virtual void drawTextSpread(const FontSpec& font, int x, int y, const QString& text,
                                const std::vector<int>& xs, const std::vector<int>& ys) {
        for (int dy : ys)
            for (int dx : xs)
                drawText(font, x + dx, y + dy, text);
    }
    virtual void drawShape(Shape shape, int l, int t, int r, int b, int cw, int ch) {
        (void)shape, (void)l, (void)t, (void)r, (void)b, (void)cw, (void)ch;
    }
    virtual void drawLine(int x1, int y1, int x2, int y2) { (void)x1, (void)y1, (void)x2, (void)y2; }
    virtual void fillRectHook(int l, int t, int r, int b, const BrushSpec& brush) {
        (void)l, (void)t, (void)r, (void)b, (void)brush;
    }
    virtual bool clipToTextHook(const FontSpec& font, int x, int y, const QString& text) {
        (void)font, (void)x, (void)y, (void)text;
        return false;
    }
    virtual void resetClipHook() {}

private:
    FontSpec m_font;
    PenSpec m_pen;
    BrushSpec m_brush;
};

} // namespace zenpa
