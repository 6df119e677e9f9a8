#include "ink.h"

#include <QPainter>
#include <QTransform>

#include <algorithm>
#include <limits>

namespace zenpa::test {

namespace {

constexpr int kHalfInk = 128;
constexpr int kSample = 32;

// The ink of the area inside its ink box, centred on a square and scaled to a
// small grey image: the glyph's shape with its proportions.
QImage normalised(const QImage& image, QRect area) {
    const QRect box = InkBox(image, area);
    QImage out(kSample, kSample, QImage::Format_Grayscale8);
    out.fill(Qt::white);
    if (box.isNull())
        return out;
    const int side = std::max(box.width(), box.height());
    QImage square(side, side, QImage::Format_RGB32);
    square.fill(Qt::white);
    {
        QPainter p(&square);
        p.drawImage(QPoint((side - box.width()) / 2, (side - box.height()) / 2), image.copy(box));
    }
    return square.scaled(kSample, kSample, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_Grayscale8);
}

long difference(const QImage& a, const QImage& b) {
    long sum = 0;
    for (int y = 0; y < kSample; ++y)
        for (int x = 0; x < kSample; ++x)
            sum += std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y)));
    return sum;
}

} // namespace

FontSpec EmSpec(const QString& face, int pixels, int style) {
    FontSpec spec;
    spec.face = face;
    spec.unit = FontSizeUnit::EmPixels;
    spec.size = pixels;
    spec.style = style;
    return spec;
}

int InkAt(const QImage& image, int x, int y) {
    return 255 - qGray(image.pixel(x, y));
}

QRect InkBox(const QImage& image, QRect area, int minInk) {
    area = area.isNull() ? image.rect() : area.intersected(image.rect());
    int left = std::numeric_limits<int>::max(), top = left, right = -1, bottom = -1;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (InkAt(image, x, y) >= minInk) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

QPointF InkCentroid(const QImage& image, QRect area) {
    area = area.intersected(image.rect());
    double sx = 0, sy = 0, total = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const int ink = InkAt(image, x, y);
            sx += ink * (x + 0.5);
            sy += ink * (y + 0.5);
            total += ink;
        }
    return total > 0 ? QPointF(sx / total, sy / total) : QPointF();
}

double StrayShare(const QImage& a, const QImage& b) {
    long inked = 0, stray = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            if (InkAt(a, x, y) < kHalfInk)
                continue;
            ++inked;
            bool near = false;
            for (int dy = -1; dy <= 1 && !near; ++dy)
                for (int dx = -1; dx <= 1 && !near; ++dx)
                    near = b.valid(x + dx, y + dy) && InkAt(b, x + dx, y + dy) >= kHalfInk;
            stray += !near;
        }
    return inked > 0 ? static_cast<double>(stray) / inked : 1.0;
}

QImage TurnedClockwise(const QImage& image) {
    return image.transformed(QTransform().rotate(90));
}

int BestTurn(const QImage& image, QRect area, const QImage& reference) {
    const QImage seen = normalised(image, area);
    int best = 0;
    long bestDifference = std::numeric_limits<long>::max();
    QImage turned = reference;
    for (int degrees = 0; degrees < 360; degrees += 90) {
        const long d = difference(seen, normalised(turned, turned.rect()));
        if (d < bestDifference) {
            bestDifference = d;
            best = degrees;
        }
        turned = TurnedClockwise(turned);
    }
    return best;
}

} // namespace zenpa::test
