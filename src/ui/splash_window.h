#pragma once

// The splash window TForm3: a borderless 300 × 240 window in the middle of
// the screen, above the others, with a picture, the version and
// "フリーウェア". It steps aside for any dialog that start-up shows and goes
// away once the main window is active.

#include <QWidget>

namespace zenpa::ui {

class SplashWindow : public QWidget {
public:
    SplashWindow();

    // Shows and paints the window at once, before the event loop runs.
    void showNow();
    // Closes (and deletes) the window once another window of the program
    // becomes active, or a moment later where the desktop activates none.
    void finishWhenActive();

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace zenpa::ui
