#include "core/units.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace zenpa {
namespace {

TEST(Units, RoundTiesToEvenAndTruncTowardZero) {
    struct Case {
        double v;
        int round, trunc;
    };
    const Case cases[] = {
        {0.5, 0, 0},    {1.5, 2, 1},     {2.5, 2, 2},   {3.5, 4, 3},     {-0.5, 0, 0},
        {-1.5, -2, -1}, {-2.5, -2, -2},  {2.4999, 2, 2}, {2.5001, 3, 2}, {-2.7, -3, -2},
        {1e12, 2147483647, 2147483647}, {-1e12, -2147483647 - 1, -2147483647 - 1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Round(c.v), c.round) << c.v;
        EXPECT_EQ(Trunc(c.v), c.trunc) << c.v;
    }
    EXPECT_EQ(Round(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(Trunc(std::numeric_limits<double>::infinity()), 2147483647);
}

TEST(Units, MulDivRoundsHalvesAwayFromZero) {
    EXPECT_EQ(MulDiv(100, 600, 72), 833);  // 833.33
    EXPECT_EQ(MulDiv(12, 600, 72), 100);
    EXPECT_EQ(MulDiv(3, 1, 2), 2);         // 1.5
    EXPECT_EQ(MulDiv(-3, 1, 2), -2);       // -1.5
    EXPECT_EQ(MulDiv(5, 1, 4), 1);         // 1.25
    EXPECT_EQ(MulDiv(1, 1, 0), -1);
    EXPECT_EQ(MulDiv(2147483647, 4, 2), 2147483647); // saturates
}

TEST(Units, MillimetresUseTheProgramsInchConstant) {
    // 10 mm at 600 dpi: 10 / 25.39999 × 600 = 236.2206…
    EXPECT_EQ(MmToPixels(10, 600), 236);
    // 127 mm at 600 dpi is 3000.0012 with 25.39999, exactly 3000 with 25.4.
    EXPECT_EQ(MmToPixels(127, 600), 3000);
    EXPECT_EQ(kMmPerInch, 25.39999);
    EXPECT_EQ(kTenthMmPerInch, 253.9999);
}

} // namespace
} // namespace zenpa
