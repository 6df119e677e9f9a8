#pragma once

// The page "フォント": the text colour Scolor, the effect group RGfontstyle
// and the settings of each effect (shadow, hollow outline, gradation
// colours). The left column is kept for the font pickers.

#include "core/app_state.h"

#include <QWidget>

class QButtonGroup;
class QComboBox;
class QGridLayout;
class QGroupBox;

namespace zenpa::ui {

class ColorChooser;
class ColorList;
class SpinEdit;
struct ColorRoleSpec;

class FontPage : public QWidget, public AppObserver {
    Q_OBJECT
public:
    FontPage(AppState& state, ColorChooser& chooser, QWidget* parent = nullptr);
    ~FontPage() override;

    void stateChanged(unsigned changes) override;
    // Shows the settings, and the effect items that are offered.
    void showSettings();

    // As a click on item `item` of RGfontstyle.
    void selectEffect(int item);
    QWidget* effectGroup() const { return m_effectBox; }

Q_SIGNALS:
    // The effect was chosen on the page (the toolbar buttons follow).
    void effectChanged(int item);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* createColorGroup();
    QWidget* createEffectGroup();
    QWidget* createShadowGroup();
    QWidget* createHollowGroup();
    QWidget* createGradationGroup();
    ColorList* colorList(const char* name, const ColorRoleSpec& role, QWidget* parent);
    // The first row of `grid`: caption, number edit, unit.
    SpinEdit* numberRow(QGridLayout* grid, const char* name, int maximum, const QString& caption,
                        const QString& unit);

    AppState& m_state;
    ColorChooser& m_chooser;
    QWidget* m_effectBox = nullptr;
    QButtonGroup* m_effect = nullptr;
    SpinEdit* m_shadowWidth = nullptr;
    QComboBox* m_shadowDirection = nullptr;
    SpinEdit* m_outline = nullptr;
    QGroupBox* m_gradationBox = nullptr;
    QList<ColorList*> m_colorLists;
};

} // namespace zenpa::ui
