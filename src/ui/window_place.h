#pragma once

// Keeps the main window and the application state's window place in step:
// a read of a format file (or the reset) moves and sizes the window, and
// the user's moving, sizing, maximizing and minimizing is recorded, so that
// every write of the document stores where the window is.

#include "core/app_state.h"

#include <QObject>

class QWidget;

namespace zenpa::ui {

class WindowPlaceKeeper : public QObject, public AppObserver {
public:
    // Watches `window` (and is its child) and `state`.
    WindowPlaceKeeper(QWidget& window, AppState& state);
    ~WindowPlaceKeeper() override;

    void stateChanged(unsigned changes) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void apply();
    void record();

    QWidget& m_window;
    AppState& m_state;
    bool m_applying = false;
};

} // namespace zenpa::ui
