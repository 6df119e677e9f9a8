#include "core/paper_label.h"

#include <gtest/gtest.h>

namespace zenpa {
namespace {

TEST(PaperLabel, NamedCodesAndMillimetres) {
    const PageGeometry a4{600, 600, 4800, 6800, 4961, 7016, 80, 108};
    EXPECT_EQ(PaperLabel(9, a4, 96), QStringLiteral("A4 210x297"));
    EXPECT_EQ(PaperLabel(29, a4, 96), QStringLiteral("Envelope C3  324 x 458 mm"));
    EXPECT_EQ(PaperLabel(118, a4, 96), QStringLiteral("dmPaper_Fanfold_Lgl_German"));
    for (int code : {0, 42, -3, 117})
        EXPECT_EQ(PaperLabel(code, a4, 96), QStringLiteral("210x297")) << code;

    PageGeometry noX = a4;
    noX.PixX = 0; // the horizontal resolution falls back to the vertical one
    EXPECT_EQ(PaperLabel(0, noX, 96), QStringLiteral("210x297"));
    PageGeometry none = a4;
    none.PixX = none.PixY = 0; // both fall back to the window's
    none.SizeX = 794;
    none.SizeY = 1123;
    EXPECT_EQ(PaperLabel(0, none, 96), QStringLiteral("210x297"));
}

} // namespace
} // namespace zenpa
