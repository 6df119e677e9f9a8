#include "core/print_range.h"

#include <gtest/gtest.h>

namespace zenpa {
namespace {

// A portrait sheet of 5000 × 7000 device pixels at 600 dpi whose printable
// area starts 100 px from the left and top edge and leaves 120 px unprintable
// on the right and at the bottom (W = 4780, H = 6780).
PageFacts sheet() { return PageFacts{{600, 600, 4781, 6781, 5000, 7000, 100, 100}, true}; }

struct RangeRun {
    FormatRecord::HaniSection hani;
    PrintRangeState state;
    bool switchedOff = false;
};

RangeRun run(FormatRecord::HaniSection hani, PageFacts facts = sheet(), PanelSize panel = {}) {
    RangeRun r{hani, {}, false};
    r.switchedOff = ComputePrintRange(r.hani, facts, panel, 96, r.state);
    return r;
}

FormatRecord::HaniSection mode(int m) {
    FormatRecord::HaniSection h;
    h.Hani = m;
    return h;
}

TEST(PrintRange, RangeModes) {
    struct Case {
        const char* what;
        FormatRecord::HaniSection hani;
        PrintRange expected;
    };
    auto margins = [](int l, int t, int r, int b) {
        auto h = mode(kRangeMargins);
        h.Left = l, h.Top = t, h.Right = r, h.Bottom = b;
        return h;
    };
    auto sized = [](int w, int h, bool center) {
        auto s = mode(kRangeSize);
        s.Width = w, s.Height = h, s.Center = center;
        return s;
    };
    const Case cases[] = {
        {"中央: all margins as wide as the widest", mode(kRangeCenter), {20, 20, 4780, 6780}},
        {"用紙最大: the printable area", mode(kRangeMaximum), {0, 0, 4780, 6780}},
        {"ポイント指定: the printable area", mode(kRangePoint), {0, 0, 4780, 6780}},
        {"余白指定 0 mm equals 用紙最大", margins(0, 0, 0, 0), {0, 0, 4780, 6780}},
        // 10 mm = 236 px from the sheet's edges, 20 mm = 472 px
        {"余白指定 10/20/10/20 mm", margins(10, 20, 10, 20), {136, 372, 4664, 6428}},
        {"余白指定 beyond the sheet: full width", margins(150, 10, 150, 10), {0, 136, 4780, 6664}},
        // 100 mm = 2362 px, started at the printable area's corner
        {"サイズ指定 100 × 100 mm", sized(100, 100, false), {0, 0, 2362, 2362}},
        {"サイズ指定 wider than the page", sized(1000, 100, false), {0, 0, 4780, 2362}},
        // centred on the sheet: L = R = Round((5000 − 2362) / 2) = 1319
        {"サイズ指定 centred", sized(100, 100, true), {1219, 2219, 3581, 4581}},
    };
    for (const Case& c : cases) {
        const RangeRun r = run(c.hani);
        EXPECT_EQ(r.state.range, c.expected) << c.what;
        EXPECT_FALSE(r.switchedOff) << c.what;
        EXPECT_EQ(r.state.W, 4780);
        EXPECT_EQ(r.state.H, 6780);
    }
}

TEST(PrintRange, CentredSizeThatDoesNotFitSwitchesCentringOff) {
    auto h = mode(kRangeSize);
    h.Width = 210; // 4961 px on a 5000 px sheet: 20 px margins, less than the offset
    h.Height = 100;
    h.Center = true;
    const RangeRun r = run(h);
    EXPECT_TRUE(r.switchedOff);
    EXPECT_FALSE(r.hani.Center);
    // The run goes on with the centred margins, clamped to the sheet.
    EXPECT_EQ(r.state.range.Px, 0);
    EXPECT_EQ(r.state.range.Px2, 4780);
    // Without centring the limits are the printable area's (202 mm wide).
    EXPECT_EQ(r.state.limits.width.upper, 202);
}

TEST(PrintRange, LimitsAndLabels) {
    RangeRun r = run(mode(kRangeCenter));
    const HaniLimits& l = r.state.limits;
    EXPECT_EQ(l.left, (Limit{4, 207}));
    EXPECT_EQ(l.top, (Limit{4, 291}));
    EXPECT_EQ(l.right, (Limit{5, 207}));
    EXPECT_EQ(l.bottom, (Limit{5, 292}));
    EXPECT_EQ(l.width, (Limit{0, 202}));
    EXPECT_EQ(l.height, (Limit{0, 287}));
    EXPECT_EQ(MarginLimitLabel(l.left), QStringLiteral("4-207"));
    EXPECT_EQ(SizeLimitLabel(l.width), QStringLiteral("0-202"));

    // With centring the size must leave the wider unprintable margin on both sides.
    auto c = mode(kRangeCenter);
    c.Center = true;
    r = run(c);
    EXPECT_EQ(r.state.limits.width, (Limit{0, 201}));
    EXPECT_EQ(r.state.limits.height, (Limit{0, 286}));
}

TEST(PrintRange, SettingsAreClampedIntoTheLimits) {
    auto h = mode(kRangeMargins);
    h.Left = 0;      // below 4
    h.Top = 500;     // above 291
    h.Right = 6;     // inside
    h.Bottom = -3;   // below 5
    h.Width = 0;     // not above 0: the upper limit
    h.Height = 9999; // above: the upper limit
    const RangeRun r = run(h);
    EXPECT_EQ(r.hani.Left, 4);
    EXPECT_EQ(r.hani.Top, 291);
    EXPECT_EQ(r.hani.Right, 6);
    EXPECT_EQ(r.hani.Bottom, 5);
    EXPECT_EQ(r.hani.Width, 202);
    EXPECT_EQ(r.hani.Height, 287);
}

TEST(PrintRange, PointSizeHasNoInfluenceOnTheRange) {
    auto a = mode(kRangePoint);
    auto b = mode(kRangePoint);
    b.Point = QStringLiteral("2000");
    EXPECT_EQ(run(a).state.range, run(b).state.range);
}

TEST(PrintRange, PageFactFallbacks) {
    // No resolution: the window's pixels per inch for both axes.
    PageFacts f = sheet();
    f.page.PixX = 0;
    f.page.PixY = 0;
    EXPECT_EQ(run(mode(kRangeCenter), f).state.page.PixX, 96);
    EXPECT_EQ(run(mode(kRangeCenter), f).state.page.PixY, 96);
    // Only the horizontal one missing: it takes the vertical.
    f = sheet();
    f.page.PixX = 0;
    f.page.PixY = 300;
    EXPECT_EQ(run(mode(kRangeCenter), f).state.page.PixX, 300);

    // A printer that cannot tell its sheet, or reports a negative offset, has
    // no unprintable margin.
    f = sheet();
    f.physicalKnown = false;
    RangeRun r = run(mode(kRangeCenter), f);
    EXPECT_EQ(r.state.page.SizeX, 4781);
    EXPECT_EQ(r.state.page.OffsetX, 0);
    f = sheet();
    f.page.OffsetY = -5;
    r = run(mode(kRangeMaximum), f);
    EXPECT_EQ(r.state.page.SizeX, 4780);
    EXPECT_EQ(r.state.page.SizeY, 6780);
    EXPECT_EQ(r.state.page.OffsetX, 0);
    EXPECT_EQ(r.state.range, (PrintRange{0, 0, 4780, 6780}));

    // A degenerate printable area still gives a range inside 1 × 1 pixels.
    f = PageFacts{{600, 600, 0, 0, 0, 0, 0, 0}, true};
    r = run(mode(kRangeCenter), f);
    EXPECT_EQ(r.state.W, 1);
    EXPECT_EQ(r.state.H, 1);
    EXPECT_GE(r.state.range.Px, 0);
    EXPECT_LE(r.state.range.Px2, 1);
    EXPECT_GT(r.state.Rb, 0);
}

TEST(PrintRange, PreviewBox) {
    // Portrait sheet in a wide panel: fit to the height (780 × 580 available).
    RangeRun r = run(mode(kRangeCenter), sheet(), PanelSize{800, 600});
    EXPECT_EQ(r.state.boxHeight, 580);
    EXPECT_DOUBLE_EQ(r.state.Rb, 580.0 / 7000);
    EXPECT_EQ(r.state.boxWidth, 415); // Round(414.29 + 0.9)

    // A sheet exactly of the panel's aspect: portrait fits the width,
    // landscape fits the height.
    PageFacts portrait{{300, 300, 3000, 4000, 3000, 4000, 0, 0}, true};
    r = run(mode(kRangeCenter), portrait, PanelSize{300, 400});
    EXPECT_EQ(r.state.boxWidth, 280);
    EXPECT_DOUBLE_EQ(r.state.Rb, 280.0 / 3000);
    EXPECT_EQ(r.state.boxHeight, 374); // Round(373.33 + 0.9)
    PageFacts landscape{{300, 300, 4000, 3000, 4000, 3000, 0, 0}, true};
    r = run(mode(kRangeCenter), landscape, PanelSize{400, 300});
    EXPECT_EQ(r.state.boxHeight, 280);
    EXPECT_DOUBLE_EQ(r.state.Rb, 280.0 / 3000);
    EXPECT_EQ(r.state.boxWidth, 374);

    // A panel too small for its border still gets a box of at least a pixel.
    r = run(mode(kRangeCenter), sheet(), PanelSize{10, 0});
    EXPECT_GE(r.state.boxWidth, 1);
    EXPECT_GE(r.state.boxHeight, 1);
}

} // namespace
} // namespace zenpa
