#include "effects_model.h"

#include "core/item_limits.h"

namespace zenpa {

void SetGradationOffered(FormatRecord& format, int& effectItems, bool offered) {
    format.Menu.Gradation = offered;
    if (offered) {
        effectItems = kEffectItemsWithGradation;
        return;
    }
    effectItems = kEffectItemsWithoutGradation;
    if (format.Font.Efect >= effectItems) format.Font.Efect = effectItems - 1;
}

int LimitEffectIndex(int index, int effectItems) {
    return RadioIndex(index, effectItems);
}

} // namespace zenpa
