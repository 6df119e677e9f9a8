#include "print_progress_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace zenpa::ui {

PrintProgressWindow::PrintProgressWindow(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowStaysOnTopHint),
      m_label1(new QLabel(QStringLiteral("印刷中"), this)),
      m_label2(new QLabel(QStringLiteral("未処理"), this)), m_bar(new QProgressBar(this)),
      m_button(new QPushButton(QStringLiteral("キャンセル(&C)"), this)) {
    setObjectName(QStringLiteral("TForm2"));
    setWindowTitle(QStringLiteral("ゼンパ"));
    setWindowModality(Qt::ApplicationModal);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label2->setObjectName(QStringLiteral("Label2"));
    m_bar->setObjectName(QStringLiteral("ProgressBar1"));
    m_bar->setRange(0, 100);
    m_bar->setValue(0);
    m_button->setObjectName(QStringLiteral("Button1"));
    m_button->setAutoDefault(false);
    connect(m_button, &QPushButton::clicked, this, &PrintProgressWindow::requestCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_label1);
    layout->addWidget(m_label2);
    layout->addWidget(m_bar);
    layout->addWidget(m_button, 0, Qt::AlignHCenter);
    setFixedSize(qMax(260, sizeHint().width()), sizeHint().height());
    // Centred on the screen, not on the main window.
    if (const QScreen* screen = parent ? parent->screen() : QApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void PrintProgressWindow::showLine(const QString& text, int percent) {
    m_label2->setText(text);
    m_bar->setValue(percent);
}

void PrintProgressWindow::requestCancel() {
    m_cancel = true;
}

void PrintProgressWindow::closeEvent(QCloseEvent* event) {
    // The job closes the window; a close request from outside is a cancel.
    requestCancel();
    event->ignore();
}

void PrintProgressWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        requestCancel();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace zenpa::ui
