#include "close_on_signal.h"

#include <QApplication>
#include <QSocketNotifier>
#include <QWidget>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace zenpa::ui {

namespace {

// The pipe the handler writes to: [0] read by the event loop, [1] written.
int g_pipe[2] = {-1, -1};

extern "C" void onCloseSignal(int) {
    // Only async-signal-safe calls here.
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(g_pipe[1], &byte, 1);
    errno = saved;
}

} // namespace

CloseOnSignal::CloseOnSignal(QWidget& window) : m_window(window) {
    if (::pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        g_pipe[0] = g_pipe[1] = -1;
        return;
    }
    m_notifier = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &CloseOnSignal::onSignal);
    struct sigaction action {};
    action.sa_handler = onCloseSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, &m_oldTerm);
    ::sigaction(SIGINT, &action, &m_oldInt);
    m_installed = true;
}

CloseOnSignal::~CloseOnSignal() {
    if (!m_installed) return;
    ::sigaction(SIGTERM, &m_oldTerm, nullptr);
    ::sigaction(SIGINT, &m_oldInt, nullptr);
    delete m_notifier;
    ::close(g_pipe[0]);
    ::close(g_pipe[1]);
    g_pipe[0] = g_pipe[1] = -1;
}

void CloseOnSignal::onSignal() {
    char bytes[64];
    while (::read(g_pipe[0], bytes, sizeof bytes) > 0) {
    }
    m_window.close();
    // A dialog may be open in a loop of its own; it ends as if cancelled,
    // and so does the program.
    if (QApplication::activeModalWidget()) QCoreApplication::exit(0);
}

} // namespace zenpa::ui
