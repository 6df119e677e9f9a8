#pragma once

// The canvas on a QPainter: the preview image, the printer's page, bitmaps
// and PDF. Shapes follow the device-context conventions of the page model
// (right and bottom edge excluded, aliased edges, one-pixel dash patterns);
// text goes through the font backend that also measures.

#include "core/canvas.h"

class QColor;
class QPainter;

namespace zenpa {

class FontBackend;

class PainterCanvas : public Canvas {
public:
    // The painter must stay active for the canvas's lifetime.
    PainterCanvas(QPainter& painter, const FontBackend& fonts);

    // Smooth glyph edges (the default); off gives hard edges, pixel for pixel
    // reproducible.
    void setAntialiasedText(bool on);

    QPainter& painter() const { return m_painter; }

protected:
    TextExtent measureText(const FontSpec& font, const QString& text) override;
    void drawText(const FontSpec& font, int x, int y, const QString& text) override;
    void drawTextSpread(const FontSpec& font, int x, int y, const QString& text,
                        const std::vector<int>& xs, const std::vector<int>& ys) override;
    void drawShape(Shape shape, int l, int t, int r, int b, int cw, int ch) override;
    void drawLine(int x1, int y1, int x2, int y2) override;
    void fillRectHook(int l, int t, int r, int b, const BrushSpec& brush) override;
    bool clipToTextHook(const FontSpec& font, int x, int y, const QString& text) override;
    void resetClipHook() override;

private:
    void applyPenAndBrush();
    void drawTextOn(QPainter& painter, const FontSpec& font, int x, int y, const QString& text,
                    const QColor& color) const;
    void spreadOnRaster(const FontSpec& font, int x, int y, const QString& text,
                        const std::vector<int>& xs, const std::vector<int>& ys);
    void spreadAsPath(const FontSpec& font, int x, int y, const QString& text,
                      const std::vector<int>& xs, const std::vector<int>& ys);

    QPainter& m_painter;
    const FontBackend& m_fonts;
    bool m_antialiasedText = true;
};

// A Qt colour from a stored colour value.
unsigned ToQRgb(ColorRef c);

} // namespace zenpa
