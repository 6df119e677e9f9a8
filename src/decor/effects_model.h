#pragma once

// Whether the gradation effect is offered, and what that means for the
// effect lists ("なし(普通)", "影付き", "中抜き", "ｸﾞﾗﾃﾞｰｼｮﾝ").

#include "core/format_record.h"

namespace zenpa {

inline constexpr int kEffectItemsWithGradation = 4;
inline constexpr int kEffectItemsWithoutGradation = 3;

// Offers or withdraws the gradation effect as the check mark of
// "グラデーション表示" does: Menu.Gradation follows, the effect lists gain or
// lose their fourth item (effectItems), and a list whose selected item goes
// away keeps its last remaining item "中抜き" selected. Row marks "グ" stay.
void SetGradationOffered(FormatRecord& format, int& effectItems, bool offered);

// The effect a list of effectItems items selects for an index: beyond its
// last item the last item, a negative index nothing (-1).
int LimitEffectIndex(int index, int effectItems);

} // namespace zenpa
