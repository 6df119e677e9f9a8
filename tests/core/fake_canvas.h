#pragma once

// A measuring canvas with exact integer metrics, so that layout tests can be
// worked out by hand:
//   em     = MulDiv(points, resolution, 72) (or the pixel size asked for)
//   width  = Σ advance(c) × em / 100, truncated; advance 100 for a character
//            outside ASCII, 50 for ASCII, unless set per character
//   height = em × 6 / 5, truncated (the cell)
// Bold adds one advance unit (1/100 em) per character, as a synthesised bold
// would, so tests can tell styles apart.

#include "core/canvas.h"
#include "core/units.h"

#include <QHash>
#include <QString>

namespace zenpa::test {

class FakeCanvas : public Canvas {
public:
    QHash<QChar, int> advances; // per character, hundredths of an em
    int measureCount = 0;

    static int emOf(const FontSpec& f) {
        switch (f.unit) {
        case FontSizeUnit::Points:
            return MulDiv(f.size, f.resolution, 72);
        case FontSizeUnit::EmPixels:
            return f.size;
        case FontSizeUnit::CellPixels:
            return f.size * 5 / 6;
        }
        return f.size;
    }

protected:
    TextExtent measureText(const FontSpec& f, const QString& text) override {
        ++measureCount;
        const long long em = emOf(f);
        long long units = 0;
        for (QChar c : text) {
            units += advances.value(c, c.unicode() < 128 ? 50 : 100);
            if (f.style & kBoldBit)
                units += 1;
        }
        return TextExtent{static_cast<int>(units * em / 100), static_cast<int>(em * 6 / 5)};
    }
};

} // namespace zenpa::test
