#pragma once

// The page "範囲": the range mode hani, the margins and the size of the
// range with their limit labels, the centring check box, the fixed point
// size with its reference labels, and the button "再表示".

#include "core/app_state.h"

#include <QWidget>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace zenpa {
class Canvas;
}

namespace zenpa::ui {

class DoubleClickGroup;

class RangePage : public QWidget, public AppObserver {
    Q_OBJECT
public:
    // printerCanvas measures the reference sizes of "ポイント指定".
    RangePage(AppState& state, Canvas& printerCanvas, QWidget* parent = nullptr);
    ~RangePage() override;

    void stateChanged(unsigned changes) override;
    // Shows the settings and the limit labels of the last range computation.
    void showSettings();

    QWidget* modeGroup() const { return m_modeBox; }
    void selectMode(int mode); // as a click on an item of hani

private:
    enum Edit { Left, Top, Right, Bottom, Width, Height, EditCount };
    void commitEdit(int which);
    void enableForMode();
    void refreshPointLabels(int heightFor);
    int referenceSize();

    AppState& m_state;
    Canvas& m_printerCanvas;
    QWidget* m_modeBox;
    QButtonGroup* m_mode;
    DoubleClickGroup* m_marginBox;
    DoubleClickGroup* m_sizeBox;
    QLineEdit* m_edits[EditCount];
    QLabel* m_limits[EditCount];
    QCheckBox* m_center;
    QSpinBox* m_point;
    QLabel* m_pointUnit;
    QLabel* m_reference;
    QLabel* m_height;
    bool m_showing = false;
};

} // namespace zenpa::ui
