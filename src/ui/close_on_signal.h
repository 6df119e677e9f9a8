#pragma once

// SIGTERM (the desktop session ending) and SIGINT (Ctrl+C in a terminal)
// are close requests of a window, like its close box: the window closes and
// its close handler runs. The signal handler only writes a byte to a pipe;
// the window is closed from the event loop.

#include <QObject>

#include <csignal>

class QSocketNotifier;
class QWidget;

namespace zenpa::ui {

class CloseOnSignal : public QObject {
public:
    // Installs the handlers; one instance at a time.
    explicit CloseOnSignal(QWidget& window);
    // Puts the previous handlers back.
    ~CloseOnSignal() override;

    CloseOnSignal(const CloseOnSignal&) = delete;
    CloseOnSignal& operator=(const CloseOnSignal&) = delete;

    // False when the pipe could not be made: the signals then keep their
    // previous handling.
    bool installed() const { return m_installed; }

private:
    void onSignal();

    QWidget& m_window;
    QSocketNotifier* m_notifier = nullptr;
    struct sigaction m_oldTerm {};
    struct sigaction m_oldInt {};
    bool m_installed = false;
};

} // namespace zenpa::ui
