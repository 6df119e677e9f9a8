#pragma once

// Small widgets that report clicks and double clicks, as some labels and
// group boxes of the pages react to them.

#include <QGroupBox>
#include <QLabel>

namespace zenpa::ui {

class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
Q_SIGNALS:
    void clicked();
    void doubleClicked();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
};

class DoubleClickGroup : public QGroupBox {
    Q_OBJECT
public:
    using QGroupBox::QGroupBox;
Q_SIGNALS:
    void doubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent* e) override;
};

} // namespace zenpa::ui
