#pragma once

// The small window shown while a page prints (TForm2): "印刷中", the line
// being drawn, a bar and the cancel button. It stays on top and keeps the
// rest of the program from taking input until the job is over; closing it
// or pressing Escape asks to cancel, like its button.

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

namespace zenpa::ui {

class PrintProgressWindow : public QDialog {
    Q_OBJECT
public:
    explicit PrintProgressWindow(QWidget* parent = nullptr);

    // "3 / 5 行" and the bar at percent (0..100).
    void showLine(const QString& text, int percent);
    bool cancelRequested() const { return m_cancel; }

    QLabel* stateLabel() const { return m_label1; }
    QLabel* lineLabel() const { return m_label2; }
    QProgressBar* bar() const { return m_bar; }
    QPushButton* cancelButton() const { return m_button; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void requestCancel();

    QLabel* m_label1;
    QLabel* m_label2;
    QProgressBar* m_bar;
    QPushButton* m_button;
    bool m_cancel = false;
};

} // namespace zenpa::ui
