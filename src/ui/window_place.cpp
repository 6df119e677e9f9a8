#include "window_place.h"

#include <QEvent>
#include <QWidget>

namespace zenpa::ui {

WindowPlaceKeeper::WindowPlaceKeeper(QWidget& window, AppState& state)
    : QObject(&window), m_window(window), m_state(state) {
    m_window.installEventFilter(this);
    m_state.addObserver(this);
}

WindowPlaceKeeper::~WindowPlaceKeeper() {
    m_state.removeObserver(this);
}

void WindowPlaceKeeper::stateChanged(unsigned changes) {
    if (changes & kChangeWindow) apply();
}

bool WindowPlaceKeeper::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &m_window) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::WindowStateChange:
            record();
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

void WindowPlaceKeeper::apply() {
    const WindowPlace& w = m_state.window;
    m_applying = true;
    // The place belongs to the normal window; a maximized or minimized one
    // keeps it for when it is restored.
    const Qt::WindowStates others =
        m_window.windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized);
    m_window.setWindowState(others);
    m_window.move(w.Left, w.Top);
    m_window.resize(w.Width, w.Height);
    if (w.State == 2)
        m_window.setWindowState(others | Qt::WindowMinimized);
    else if (w.State == 3)
        m_window.setWindowState(others | Qt::WindowMaximized);
    m_applying = false;
}

void WindowPlaceKeeper::record() {
    if (m_applying || !m_window.isVisible()) return;
    WindowPlace& w = m_state.window;
    const Qt::WindowStates state = m_window.windowState();
    if (state & Qt::WindowMinimized) {
        w.State = 2;
        return;
    }
    if (state & (Qt::WindowMaximized | Qt::WindowFullScreen)) {
        w.State = 3;
        return;
    }
    w.State = 1;
    w.Left = m_window.x();
    w.Top = m_window.y();
    w.Width = m_window.width();
    w.Height = m_window.height();
}

} // namespace zenpa::ui
