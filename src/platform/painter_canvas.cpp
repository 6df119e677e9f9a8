#include "painter_canvas.h"

#include "font_backend.h"

#include "core/units.h"

#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include <algorithm>
#include <vector>

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
    drawTextOn(m_painter, font, x, y, text, toQColor(font.color));
}

void PainterCanvas::drawTextOn(QPainter& painter, const FontSpec& font, int x, int y,
                               const QString& text, const QColor& color) const {
    painter.save();
    painter.setRenderHint(QPainter::TextAntialiasing, m_antialiasedText);
    painter.setRenderHint(QPainter::Antialiasing, m_antialiasedText);
    QPointF at(x, y);
    if (font.scale != 1.0) {
        // Keep the scaled baseline where it falls instead of the nearest row.
        painter.setRenderHint(QPainter::VerticalSubpixelPositioning, true);
        painter.translate(x, y);
        painter.scale(font.scale, font.scale);
        at = QPointF(0, 0);
    }
    m_fonts.drawText(painter, unscaled(font), at, text, color, m_antialiasedText);
    painter.restore();
}

void PainterCanvas::drawTextSpread(const FontSpec& font, int x, int y, const QString& text,
                                   const std::vector<int>& xs, const std::vector<int>& ys) {
    // A raster is drawn once and grown by a running maximum, so the cost
    // follows the line's area, not the number of copies; a page for the
    // printer or a PDF gets one outline filled and stroked instead of
    // thousands of text objects.
    if (m_painter.paintEngine() && m_painter.paintEngine()->type() == QPaintEngine::Raster)
        spreadOnRaster(font, x, y, text, xs, ys);
    else
        spreadAsPath(font, x, y, text, xs, ys);
}

namespace {

bool contiguous(const std::vector<int>& sorted) {
    for (std::size_t i = 1; i < sorted.size(); ++i)
        if (sorted[i] != sorted[i - 1] + 1)
            return false;
    return true;
}

// a[i] = max(a[i], a[i - shift]) for every element of a row, from the end so
// that each reads the values before this step.
void maxShifted(uchar* a, int n, int shift) {
    for (int i = n - 1; i >= shift; --i)
        a[i] = std::max(a[i], a[i - shift]);
}

// a[i] = max(a[i - o]) over the offsets (0-based, sorted, contiguous from 0
// to span), by doubling the window: log2(span) passes over the row.
void spreadRow(uchar* a, int n, int span) {
    int window = 1;
    while (window * 2 <= span + 1) {
        maxShifted(a, n, window);
        window *= 2;
    }
    if (window < span + 1)
        maxShifted(a, n, span + 1 - window);
}

// The same down the columns of an image, a whole row at a time.
void spreadColumns(QImage& img, int span) {
    const int w = img.width();
    auto shiftRows = [&](int shift) {
        for (int y = img.height() - 1; y >= shift; --y) {
            uchar* row = img.scanLine(y);
            const uchar* above = img.constScanLine(y - shift);
            for (int x = 0; x < w; ++x)
                row[x] = std::max(row[x], above[x]);
        }
    };
    int window = 1;
    while (window * 2 <= span + 1) {
        shiftRows(window);
        window *= 2;
    }
    if (window < span + 1)
        shiftRows(span + 1 - window);
}

// Offsets with gaps (a target that magnifies): every offset by itself.
void spreadSparse(QImage& img, const std::vector<int>& ox, const std::vector<int>& oy) {
    QImage src = img.copy();
    for (int y = 0; y < img.height(); ++y) {
        uchar* out = img.scanLine(y);
        for (int x = 0; x < img.width(); ++x) {
            uchar m = 0;
            for (int dy : oy)
                for (int dx : ox)
                    if (y - dy >= 0 && x - dx >= 0)
                        m = std::max(m, src.constScanLine(y - dy)[x - dx]);
            out[x] = m;
        }
    }
}

std::vector<int> normalised(std::vector<int> offs, int& minimum) {
    std::sort(offs.begin(), offs.end());
    offs.erase(std::unique(offs.begin(), offs.end()), offs.end());
    minimum = offs.front();
    for (int& o : offs)
        o -= minimum;
    return offs;
}

} // namespace

void PainterCanvas::spreadOnRaster(const FontSpec& font, int x, int y, const QString& text,
                                   const std::vector<int>& xs, const std::vector<int>& ys) {
    int minX = 0, minY = 0;
    const std::vector<int> ox = normalised(xs, minX);
    const std::vector<int> oy = normalised(ys, minY);
    const TextExtent e = measureText(font, text);
    // Room for glyphs that reach beyond their advance or their cell.
    const int margin = std::max(4, e.height / 4);
    const int w = e.width + 2 * margin + ox.back();
    const int h = e.height + 2 * margin + oy.back();
    QImage mask(w, h, QImage::Format_Alpha8);
    if (mask.isNull())
        return;
    mask.fill(0);
    {
        QPainter mp(&mask);
        drawTextOn(mp, font, margin, margin, text, Qt::black);
    }
    if (contiguous(ox) && contiguous(oy)) {
        for (int row = 0; row < h; ++row)
            spreadRow(mask.scanLine(row), w, ox.back());
        spreadColumns(mask, oy.back());
    } else {
        spreadSparse(mask, ox, oy);
    }

    const QColor c = toQColor(font.color);
    const QPoint at(x + minX - margin, y + minY - margin);
    QImage* dst = m_painter.device() && m_painter.device()->devType() == QInternal::Image
                      ? static_cast<QImage*>(m_painter.device())
                      : nullptr;
    const bool direct = dst && !m_painter.hasClipping() && m_painter.transform().isIdentity() &&
                        m_painter.compositionMode() == QPainter::CompositionMode_SourceOver &&
                        (dst->format() == QImage::Format_RGB32 ||
                         dst->format() == QImage::Format_ARGB32_Premultiplied);
    if (direct) {
        // Blend straight into the image: no coloured copy of the mask.
        const QRect area = QRect(at, mask.size()).intersected(dst->rect());
        const int r = c.red(), g = c.green(), b = c.blue();
        for (int row = area.top(); row <= area.bottom(); ++row) {
            const uchar* a = mask.constScanLine(row - at.y()) + (area.left() - at.x());
            QRgb* out = reinterpret_cast<QRgb*>(dst->scanLine(row)) + area.left();
            for (int i = 0; i < area.width(); ++i) {
                const int alpha = a[i];
                if (alpha == 0)
                    continue;
                if (alpha == 255) {
                    out[i] = qRgb(r, g, b);
                    continue;
                }
                const QRgb d = out[i];
                const int inv = 255 - alpha;
                out[i] = qRgb((r * alpha + qRed(d) * inv) / 255, (g * alpha + qGreen(d) * inv) / 255,
                              (b * alpha + qBlue(d) * inv) / 255);
            }
        }
        return;
    }
    QImage coloured(w, h, QImage::Format_ARGB32_Premultiplied);
    for (int row = 0; row < h; ++row) {
        const uchar* a = mask.constScanLine(row);
        QRgb* out = reinterpret_cast<QRgb*>(coloured.scanLine(row));
        for (int col = 0; col < w; ++col)
            out[col] = qPremultiply(qRgba(c.red(), c.green(), c.blue(), a[col]));
    }
    m_painter.drawImage(at, coloured);
}

void PainterCanvas::spreadAsPath(const FontSpec& font, int x, int y, const QString& text,
                                 const std::vector<int>& xs, const std::vector<int>& ys) {
    // The letters grown by a square: the outline filled and stroked with a
    // square pen as wide as the spread, centred on the spread.
    const auto [minX, maxX] = std::minmax_element(xs.begin(), xs.end());
    const auto [minY, maxY] = std::minmax_element(ys.begin(), ys.end());
    const double spread = std::max(*maxX - *minX, *maxY - *minY);
    QPainterPath path = m_fonts.textPath(unscaled(font), QPointF(0, 0), text);
    path = QTransform::fromScale(font.scale, font.scale)
               .map(path)
               .translated(x + (*minX + *maxX) / 2.0, y + (*minY + *maxY) / 2.0);
    m_painter.save();
    m_painter.setRenderHint(QPainter::Antialiasing, m_antialiasedText);
    const QColor c = toQColor(font.color);
    m_painter.fillPath(path, c);
    if (spread > 0)
        m_painter.strokePath(path, QPen(c, spread, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
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
