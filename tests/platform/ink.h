#pragma once

// Text drawn into images and read back: where the ink is, and which way a
// glyph faces compared with a reference drawing of it.

#include "core/canvas.h"

#include <QImage>
#include <QPointF>
#include <QRect>

namespace zenpa::test {

// A font of the given em height in pixels.
FontSpec EmSpec(const QString& face, int pixels, int style = 0);

// Ink of a pixel of dark text on white: 0 (paper) to 255 (black).
int InkAt(const QImage& image, int x, int y);

// The smallest rectangle holding every pixel of at least half ink (or of at
// least minInk) inside the area (the whole image when area is null); null
// when there is none.
QRect InkBox(const QImage& image, QRect area = {}, int minInk = 128);

// The ink-weighted centre of the area.
QPointF InkCentroid(const QImage& image, QRect area);

// The share of a's inked pixels that have no inked pixel of b within one
// pixel: two renderings of the same shapes differ at the edges, not more.
double StrayShare(const QImage& a, const QImage& b);

// The image turned a quarter clockwise, as a landscape sign is hung upright:
// the pixel (x, y) moves to (height - 1 - y, x).
QImage TurnedClockwise(const QImage& image);

// Which quarter turn clockwise of the reference (0, 90, 180 or 270 degrees)
// the ink inside the area looks most like. Both are compared inside their
// own ink boxes, so size and place do not matter.
int BestTurn(const QImage& image, QRect area, const QImage& reference);

} // namespace zenpa::test
