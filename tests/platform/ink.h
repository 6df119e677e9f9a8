#pragma once

// Where the ink of a rendered image lies.

#include <QImage>
#include <QRect>

namespace zenpa::test {

// The bounding box of the pixels darker than the threshold inside the given
// area of the image (empty when there is none).
inline QRect InkBox(const QImage& image, QRect area, int threshold = 128) {
    area = area.intersected(image.rect());
    int l = area.right() + 1, t = area.bottom() + 1, r = area.left() - 1, b = area.top() - 1;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = area.left(); x <= area.right(); ++x) {
            if (qGray(row[x]) < threshold) {
                l = std::min(l, x);
                r = std::max(r, x);
                t = std::min(t, y);
                b = std::max(b, y);
            }
        }
    }
    return r < l ? QRect() : QRect(QPoint(l, t), QPoint(r, b));
}

} // namespace zenpa::test
