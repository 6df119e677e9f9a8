#pragma once

// The page "枠･背景": the frame (shape, line style, colour, width and size),
// the fill inside it and the background of the print range.

#include "core/app_state.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QScrollBar;

namespace zenpa::ui {

class ClickableLabel;
class ColorChooser;
class ColorList;
class SpinEdit;

class FramePage : public QWidget, public AppObserver {
    Q_OBJECT
public:
    FramePage(AppState& state, ColorChooser& chooser, QWidget* parent = nullptr);
    ~FramePage() override;

    void stateChanged(unsigned changes) override;
    void showSettings();
    // The size label Lwakuset2, written again after every redraw.
    void refreshLabels();

    QCheckBox* frameCheck() const { return m_frame; }

private:
    QWidget* createFrameGroup();
    QWidget* createFillGroup();
    QWidget* createBackgroundGroup();
    using BoolField = bool& (*)(FormatRecord&);
    using IntField = int& (*)(FormatRecord&);
    using Condition = bool (*)(const FormatRecord&);
    void connectSwitch(QCheckBox* box, BoolField field, QWidget* next);
    void connectItems(QComboBox* list, IntField field, Condition redraw);
    void resetOnDoubleClick(ClickableLabel* label, IntField field, Condition redraw);
    void takeWidth(int tenths);
    void takeBackgroundStyle(int item);

    AppState& m_state;
    ColorChooser& m_chooser;
    QCheckBox* m_frame = nullptr;
    QComboBox* m_shape = nullptr;
    QComboBox* m_penStyle = nullptr;
    ColorList* m_penColor = nullptr;
    SpinEdit* m_penWidth = nullptr;
    QScrollBar* m_size = nullptr;
    ClickableLabel* m_sizeLabel = nullptr;
    QCheckBox* m_fill = nullptr;
    QComboBox* m_brushStyle = nullptr;
    ColorList* m_brushColor = nullptr;
    QCheckBox* m_background = nullptr;
    ColorList* m_bgColor = nullptr;
    QComboBox* m_bgStyle = nullptr;
    bool m_showing = false;
};

} // namespace zenpa::ui
