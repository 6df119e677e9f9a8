// The effect buttons of the main toolbar and "グラデーション表示(&G)".

#include "color_list.h"
#include "decor/effects_model.h"
#include "font_page.h"
#include "main_window.h"

#include <QAction>

namespace zenpa::ui {

namespace {
// The buttons of the effects 1..3, in the order of RGfontstyle's items.
constexpr const char* kEffectButtons[] = {"SBfontshadow", "SBfontoutline", "SBfontgradation"};
} // namespace

void MainWindow::setupFontActions() {
    for (int i = 0; i < 3; ++i) {
        const int effect = i + 1;
        QAction* a = action(QLatin1String(kEffectButtons[i]));
        a->setCheckable(true);
        // Pressing a button selects its effect, releasing it selects "なし(普通)".
        wire(kEffectButtons[i],
             [this, a, effect] { m_fontPage->selectEffect(a->isChecked() ? effect : 0); });
    }
    connect(m_fontPage, &FontPage::effectChanged, this, [this] { updateFontActions(); });
    action(QStringLiteral("Mgradation"))->setCheckable(true);
    wire("Mgradation", &MainWindow::toggleGradation);
    updateFontActions();
}

void MainWindow::updateFontActions() {
    const FormatRecord& f = m_state.doc.format;
    for (int i = 0; i < 3; ++i)
        action(QLatin1String(kEffectButtons[i]))->setChecked(f.Font.Efect == i + 1);
    action(QStringLiteral("SBfontgradation"))
        ->setEnabled(m_state.effectItems >= kEffectItemsWithGradation);
    action(QStringLiteral("Mgradation"))->setChecked(f.Menu.Gradation);
}

void MainWindow::toggleGradation() {
    FormatRecord& f = m_state.doc.format;
    const int effect = f.Font.Efect;
    SetGradationOffered(f, m_state.effectItems, !f.Menu.Gradation);
    // Both effect lists, the gradation button and the colour group follow.
    m_state.notify(kChangeFormat);
    // A withdrawn gradation leaves "中抜き" selected: the preview shows it.
    if (f.Font.Efect != effect && !f.LineFont.Mode) m_state.requestRedraw();
}

} // namespace zenpa::ui
