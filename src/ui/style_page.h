#pragma once

// The page "スタイル": the size rule RGSIZE, the alignment RGSET, the
// horizontal scale cbai and the vertical position cbaiH with their labels.

#include "core/app_state.h"

#include <QWidget>

class QButtonGroup;
class QScrollBar;

namespace zenpa::ui {

class ClickableLabel;

class StylePage : public QWidget, public AppObserver {
    Q_OBJECT
public:
    explicit StylePage(AppState& state, QWidget* parent = nullptr);
    ~StylePage() override;

    void stateChanged(unsigned changes) override;
    // Shows the settings (after a command changed them) and the labels.
    void showSettings();
    void refreshLabels();

    QWidget* sizeGroup() const { return m_sizeBox; }
    void selectSize(int item);  // as a click on RGSIZE's item
    void selectAlign(int item); // as a click on RGSET's item

Q_SIGNALS:
    // The size rule or the alignment changed (the toolbar buttons follow).
    void sizeChanged(int item);
    void alignChanged(int item);

private:
    AppState& m_state;
    QWidget* m_sizeBox;
    QButtonGroup* m_size;
    QButtonGroup* m_align;
    QScrollBar* m_bai;
    QScrollBar* m_baiH;
    ClickableLabel* m_baiLabel;
    ClickableLabel* m_baiHLabel;
    bool m_showing = false;
};

} // namespace zenpa::ui
