#include "decor/effects_model.h"

#include <gtest/gtest.h>

namespace zenpa {
namespace {

TEST(GradationOffered, WithdrawingKeepsHollowSelected) {
    struct Case {
        int items;  // before
        int effect; // before
        bool offered;
        int itemsAfter;
        int effectAfter;
    };
    const Case cases[] = {
        {4, 3, false, 3, 2}, // the selected item goes: "中抜き" stays selected
        {4, 1, false, 3, 1}, {4, -1, false, 3, -1}, {3, 2, true, 4, 2}, {4, 3, true, 4, 3},
    };
    for (const Case& c : cases) {
        FormatRecord f;
        f.Font.Efect = c.effect;
        int items = c.items;
        SetGradationOffered(f, items, c.offered);
        EXPECT_EQ(f.Menu.Gradation, c.offered);
        EXPECT_EQ(items, c.itemsAfter);
        EXPECT_EQ(f.Font.Efect, c.effectAfter) << c.effect << " offered " << c.offered;
    }
}

TEST(GradationOffered, EffectIndexBeyondTheList) {
    EXPECT_EQ(LimitEffectIndex(3, 3), 2);
    EXPECT_EQ(LimitEffectIndex(9, 4), 3);
    EXPECT_EQ(LimitEffectIndex(3, 4), 3);
    EXPECT_EQ(LimitEffectIndex(-2, 4), -1);
}

} // namespace
} // namespace zenpa
