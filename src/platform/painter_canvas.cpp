#include "painter_canvas.h"

#include "font_backend.h"

#include "core/units.h"

#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include <algorithm>

namespace zenpa {

unsigned ToQRgb(ColorRef c) {
    const ColorRef rgb = ToRgb(c);
    return qRgb(RedOf(rgb), GreenOf(rgb), BlueOf(rgb));
}

namespace {

QColor toQColor(ColorRef c) { return QColor::fromRgb(ToQRgb(c)); }

Qt::BrushStyle toQtBrush(BrushKind k) {
    switch (k) {
    case BrushKind::Clear:
        return Qt::NoBrush;
    case BrushKind::Solid:
        return Qt::SolidPattern;
    case BrushKind::Horizontal:
        return Qt::HorPattern;
    case BrushKind::Vertical:
        return Qt::VerPattern;
    case BrushKind::FDiagonal:
        return Qt::FDiagPattern;
    case BrushKind::BDiagonal:
        return Qt::BDiagPattern;
    case BrushKind::Cross:
        return Qt::CrossPattern;
    case BrushKind::DiagCross:
        return Qt::DiagCrossPattern;
    }
    return Qt::SolidPattern;
}

QBrush toQBrush(const BrushSpec& b) { return QBrush(toQColor(b.color), toQtBrush(b.kind)); }

// The one-pixel dash patterns of a device context, in pixels, starting "on".
QList<qreal> dashPattern(PenKind k) {
    switch (k) {
    case PenKind::Dash:
        return {18, 6};
    case PenKind::Dot:
        return {3, 3};
    case PenKind::DashDot:
        return {9, 6, 3, 6};
    case PenKind::DashDotDot:
        return {9, 3, 3, 3, 3, 3};
    default:
        return {};
    }
}

QPen toQPen(const PenSpec& p) {
    if (p.kind == PenKind::Clear)
        return QPen(Qt::NoPen);
    const int width = std::max(1, p.width);
    QPen pen(toQColor(p.color), width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    // Styled pens are one pixel wide; a wider one draws solid.
    if (p.kind != PenKind::Solid && width == 1) {
        pen.setStyle(Qt::CustomDashLine);
        pen.setDashPattern(dashPattern(p.kind));
    }
    return pen;
}

} // namespace

PainterCanvas::PainterCanvas(QPainter& painter, const FontBackend& fonts)
    : m_painter(painter), m_fonts(fonts) {
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.setRenderHint(QPainter::TextAntialiasing, true);
    m_painter.setBackgroundMode(Qt::TransparentMode);
}

void PainterCanvas::setAntialiasedText(bool on) { m_antialiasedText = on; }

namespace {

FontSpec unscaled(FontSpec font) {
    font.scale = 1.0;
    return font;
}

} // namespace

TextExtent PainterCanvas::measureText(const FontSpec& font, const QString& text) {
    if (font.scale == 1.0)
        return m_fonts.measure(font, text);
    // A scaled font measures as its printed size in small; the cell height
    // scales like any other length (truncated).
    const TextExtent e = m_fonts.measure(unscaled(font), text);
    return TextExtent{Round(e.width * font.scale), Trunc(e.height * font.scale)};
}

void PainterCanvas::drawText(const FontSpec& font, int x, int y, const QString& text) {
    m_painter.save();
    m_painter.setRenderHint(QPainter::TextAntialiasing, m_antialiasedText);
    m_painter.setRenderHint(QPainter::Antialiasing, m_antialiasedText);
    QPointF at(x, y);
    if (font.scale != 1.0) {
        // Keep the scaled baseline where it falls instead of the nearest row.
        m_painter.setRenderHint(QPainter::VerticalSubpixelPositioning, true);
        m_painter.translate(x, y);
        m_painter.scale(font.scale, font.scale);
        at = QPointF(0, 0);
    }
    m_fonts.drawText(m_painter, unscaled(font), at, text, toQColor(font.color),
                     m_antialiasedText);
    m_painter.restore();
}

void PainterCanvas::applyPenAndBrush() {
    m_painter.setPen(toQPen(pen()));
    m_painter.setBrush(toQBrush(brush()));
}

void PainterCanvas::drawShape(Shape shape, int l, int t, int r, int b, int cw, int ch) {
    if (r < l)
        std::swap(l, r);
    if (b < t)
        std::swap(t, b);
    if (pen().kind == PenKind::Clear) {
        // Without an outline the shape is one pixel smaller each way.
        --r;
        --b;
    }
    const QRect box(l, t, std::max(0, r - l - 1), std::max(0, b - t - 1));
    m_painter.save();
    applyPenAndBrush();
    switch (shape) {
    case Shape::Rectangle:
        if (pen().kind == PenKind::Clear)
            m_painter.fillRect(box.adjusted(0, 0, 1, 1), m_painter.brush());
        else
            m_painter.drawRect(box);
        break;
    case Shape::RoundRect: {
        cw = std::min(cw, r - l);
        ch = std::min(ch, b - t);
        if (cw <= 2 || ch <= 2)
            m_painter.drawRect(box);
        else
            m_painter.drawRoundedRect(box, cw / 2.0, ch / 2.0);
        break;
    }
    case Shape::Ellipse:
        m_painter.drawEllipse(box);
        break;
    }
    m_painter.restore();
}

void PainterCanvas::drawLine(int x1, int y1, int x2, int y2) {
    m_painter.save();
    QPen p = toQPen(pen());
    p.setCapStyle(Qt::FlatCap);
    m_painter.setPen(p);
    m_painter.drawLine(x1, y1, x2, y2);
    m_painter.restore();
}

void PainterCanvas::fillRectHook(int l, int t, int r, int b, const BrushSpec& b2) {
    if (b2.kind == BrushKind::Clear || r <= l || b <= t)
        return;
    m_painter.fillRect(QRect(l, t, r - l, b - t), toQBrush(b2));
}

bool PainterCanvas::clipToTextHook(const FontSpec& font, int x, int y, const QString& text) {
    QPainterPath path = m_fonts.textPath(unscaled(font), QPointF(0, 0), text);
    path = QTransform::fromScale(font.scale, font.scale).map(path).translated(x, y);
    if (path.isEmpty())
        return false;
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.setClipPath(path);
    return true;
}

void PainterCanvas::resetClipHook() { m_painter.setClipping(false); }

} // namespace zenpa
