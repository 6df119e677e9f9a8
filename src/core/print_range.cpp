#include "print_range.h"

#include "units.h"

#include <algorithm>

namespace zenpa {

namespace {

int toMm(double pixels, int resolution) {
    return Round(pixels / resolution * kMmPerInch);
}

int truncMm(double pixels, int resolution) {
    return Trunc(pixels / resolution * kMmPerInch);
}

} // namespace

HaniLimits ComputeHaniLimits(const PageGeometry& p, bool center) {
    HaniLimits l;
    l.left = {toMm(p.OffsetX, p.PixX), toMm(static_cast<double>(p.OffsetX) + p.Width, p.PixX)};
    l.top = {toMm(p.OffsetY, p.PixY), toMm(static_cast<double>(p.OffsetY) + p.Height, p.PixY)};
    l.right = {toMm(static_cast<double>(p.SizeX) - p.Width - p.OffsetX, p.PixX),
               toMm(static_cast<double>(p.SizeX) - p.OffsetX, p.PixX)};
    l.bottom = {toMm(static_cast<double>(p.SizeY) - p.Height - p.OffsetY, p.PixY),
                toMm(static_cast<double>(p.SizeY) - p.OffsetY, p.PixY)};
    if (center) {
        const double mx = std::max(p.OffsetX, p.SizeX - p.OffsetX - p.Width);
        const double my = std::max(p.OffsetY, p.SizeY - p.OffsetY - p.Height);
        l.width = {0, truncMm(p.SizeX - 2 * mx, p.PixX)};
        l.height = {0, truncMm(p.SizeY - 2 * my, p.PixY)};
    } else {
        l.width = {0, truncMm(p.Width, p.PixX)};
        l.height = {0, truncMm(p.Height, p.PixY)};
    }
    return l;
}

void ClampHaniToLimits(FormatRecord::HaniSection& hani, const HaniLimits& limits) {
    auto margin = [](int& v, const Limit& l) {
        if (v < l.lower)
            v = l.lower;
        else if (v > l.upper)
            v = l.upper;
    };
    auto size = [](int& v, const Limit& l) {
        if (v > l.upper || v <= 0)
            v = l.upper;
    };
    margin(hani.Left, limits.left);
    margin(hani.Top, limits.top);
    margin(hani.Right, limits.right);
    margin(hani.Bottom, limits.bottom);
    size(hani.Width, limits.width);
    size(hani.Height, limits.height);
}

QString MarginLimitLabel(const Limit& l) {
    return QString::number(l.lower) + QLatin1Char('-') + QString::number(l.upper);
}

QString SizeLimitLabel(const Limit& l) { return QStringLiteral("0-") + QString::number(l.upper); }

PageGeometry ResolvePageFacts(const PageFacts& facts, int windowDpi) {
    PageGeometry g = facts.page;
    if (g.PixY < 1) {
        g.PixX = windowDpi;
        g.PixY = windowDpi;
    } else if (g.PixX < 1) {
        g.PixX = g.PixY;
    }
    if (!facts.physicalKnown) {
        g.SizeX = g.Width;
        g.SizeY = g.Height;
        g.OffsetX = 0;
        g.OffsetY = 0;
    }
    return g;
}

bool ComputePrintRange(FormatRecord::HaniSection& hani, const PageFacts& facts, PanelSize panel,
                       int windowDpi, PrintRangeState& state) {
    // 1. Resolution and sheet facts, with their fallbacks.
    PageGeometry g = ResolvePageFacts(facts, windowDpi);

    // 2. Last pixel column and row of the printable area.
    int W = g.Width - 1;
    int H = g.Height - 1;
    if (W < 1)
        W = H = 1;
    if (H < 1)
        W = H = 1;

    // 3. A sheet that is not reported, or negative offsets: no unprintable margin.
    if (g.SizeX < 1 || g.SizeY < 1) {
        g.SizeX = W;
        g.SizeY = H;
        g.OffsetX = g.OffsetY = 0;
    }
    if (g.OffsetX < 0 || g.OffsetY < 0) {
        g.OffsetX = g.OffsetY = 0;
        g.SizeX = W;
        g.SizeY = H;
    }

    // 4. Margins from the sheet's edges, in device pixels.
    int L = g.OffsetX;
    int T = g.OffsetY;
    int R = g.SizeX - g.OffsetX - W;
    int B = g.SizeY - g.OffsetY - H;

    // 5. The edits hold integers already; the model has no text to repair.

    // 6. The range mode.
    bool switchedOff = false;
    int w = 0;
    int h = 0;
    switch (hani.Hani) {
    case kRangeCenter:
        L = R = std::max(L, R);
        T = B = std::max(T, B);
        break;
    case kRangeMargins:
        L = Round(hani.Left / kMmPerInch * g.PixX);
        T = Round(hani.Top / kMmPerInch * g.PixY);
        R = Round(hani.Right / kMmPerInch * g.PixX);
        B = Round(hani.Bottom / kMmPerInch * g.PixY);
        break;
    case kRangeSize:
        w = Round(hani.Width / kMmPerInch * g.PixX);
        h = Round(hani.Height / kMmPerInch * g.PixY);
        if (hani.Center) {
            L = R = Round((g.SizeX - w) / 2.0);
            T = B = Round((g.SizeY - h) / 2.0);
            if (L < g.OffsetX || R < g.SizeX - g.OffsetX - W || T < g.OffsetY ||
                B < g.SizeY - g.OffsetY - H) {
                hani.Center = false;
                switchedOff = true;
            }
        } else {
            L = g.OffsetX;
            T = g.OffsetY;
            R = g.SizeX - g.OffsetX - w;
            B = g.SizeY - g.OffsetY - h;
        }
        break;
    default: // 用紙最大, ポイント指定 and anything unknown: the whole printable area
        break;
    }

    // 7. No margin smaller than the sheet's unprintable margin.
    L = std::max(L, g.OffsetX);
    T = std::max(T, g.OffsetY);
    R = std::max(R, g.SizeX - g.OffsetX - W);
    B = std::max(B, g.SizeY - g.OffsetY - H);

    // 8. Printable-area coordinates.
    PrintRange r{L - g.OffsetX, T - g.OffsetY, g.SizeX - g.OffsetX - R, g.SizeY - g.OffsetY - B};

    // 9. A requested size wins over the right and bottom margin.
    if (hani.Hani == kRangeSize) {
        if (w != r.Px2 - r.Px)
            r.Px2 = r.Px + w;
        if (h != r.Py2 - r.Py)
            r.Py2 = r.Py + h;
    }

    // 10. Clamp into the printable area.
    if (r.Px < 0)
        r.Px = 0;
    if (r.Py < 0)
        r.Py = 0;
    if (r.Px2 > W || r.Px2 < 0)
        r.Px2 = W;
    if (r.Py2 > H || r.Py2 < 0)
        r.Py2 = H;
    if (r.Px2 < r.Px) {
        r.Px = 0;
        r.Px2 = W;
    }
    if (r.Py2 < r.Py) {
        r.Py = 0;
        r.Py2 = H;
    }

    // 11.
    if (g.SizeX < 1 || g.SizeY < 1) {
        g.SizeX = W;
        g.SizeY = H;
    }

    // 12. The preview box inside the panel's 10-pixel border.
    const int availH = std::max(panel.height - 20, 1);
    const int availW = std::max(panel.width - 20, 1);
    const double paperRatio = g.SizeY == 0 ? 1.0 : static_cast<double>(g.SizeX) / g.SizeY;
    const double panelRatio =
        panel.height == 0 ? 1.0 : static_cast<double>(panel.width) / panel.height;
    const bool portrait = g.SizeX < g.SizeY;
    const bool fitHeight =
        (portrait && panelRatio > paperRatio) || (!portrait && !(paperRatio > panelRatio));
    if (fitHeight) {
        state.boxHeight = availH;
        state.Rb = static_cast<double>(availH) / g.SizeY;
        state.boxWidth = Round(state.Rb * g.SizeX + 0.9);
    } else {
        state.boxWidth = availW;
        state.Rb = static_cast<double>(availW) / g.SizeX;
        state.boxHeight = Round(state.Rb * g.SizeY + 0.9);
    }

    state.page = g;
    state.W = W;
    state.H = H;
    state.range = r;

    // 13. Limits for the page, and the settings brought into them.
    state.limits = ComputeHaniLimits(g, hani.Center);
    ClampHaniToLimits(hani, state.limits);
    return switchedOff;
}

} // namespace zenpa
