#include "spin_edit.h"

#include <QLineEdit>

namespace zenpa::ui {

SpinEdit::SpinEdit(const char* name, int minimum, int maximum, QWidget* parent) : QSpinBox(parent) {
    setObjectName(QLatin1String(name));
    setRange(minimum, maximum);
    connect(this, &QSpinBox::valueChanged, this, [this](int v) {
        if (!m_showing) Q_EMIT edited(v);
    });
    // The spin box says nothing about an emptied text, so the line edit is asked.
    connect(lineEdit(), &QLineEdit::textEdited, this, &SpinEdit::onText);
    connect(this, &QAbstractSpinBox::editingFinished, this, [this] {
        if (!m_emptied) return;
        m_emptied = false;
        showValue(1);
    });
}

void SpinEdit::showValue(int value) {
    // An emptied text already stands for 1; the user is still typing.
    if (m_emptied && value == 1) return;
    m_showing = true;
    setValue(value);
    m_showing = false;
}

void SpinEdit::onText(const QString& text) {
    if (m_showing) return;
    if (text.trimmed().isEmpty()) {
        m_emptied = true;
        Q_EMIT edited(1);
    } else if (m_emptied) {
        // Typing the value the box held before the text was emptied changes
        // no value, yet the setting is 1 by now.
        m_emptied = false;
        Q_EMIT edited(value());
    }
}

} // namespace zenpa::ui
