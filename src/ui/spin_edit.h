#pragma once

// A spin edit as the settings pages use it. The user's changes arrive as
// edited(); a text emptied by the user counts as 1 (the value the drawing
// takes for it), and leaving the edit then shows 1.

#include <QSpinBox>

namespace zenpa::ui {

class SpinEdit : public QSpinBox {
    Q_OBJECT
public:
    SpinEdit(const char* name, int minimum, int maximum, QWidget* parent = nullptr);

    // Shows a setting; tells nothing.
    void showValue(int value);

Q_SIGNALS:
    void edited(int value);

private:
    void onText(const QString& text);

    bool m_showing = false;
    bool m_emptied = false;
};

} // namespace zenpa::ui
