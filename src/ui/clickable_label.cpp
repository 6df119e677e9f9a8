#include "clickable_label.h"

#include <QMouseEvent>

namespace zenpa::ui {

void ClickableLabel::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton)
        Q_EMIT clicked();
    QLabel::mousePressEvent(e);
}

void ClickableLabel::mouseDoubleClickEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton)
        Q_EMIT doubleClicked();
    QLabel::mouseDoubleClickEvent(e);
}

void DoubleClickGroup::mouseDoubleClickEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton)
        Q_EMIT doubleClicked();
    QGroupBox::mouseDoubleClickEvent(e);
}

} // namespace zenpa::ui
