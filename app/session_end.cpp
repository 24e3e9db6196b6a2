#include "app/session_end.h"

#include "app/main_window_numbers.h"
#include "widgets/window_event.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace codarium::app {
namespace {

// The write end of the pipe the handler signals through; a signal handler may
// only write to it (async-signal-safe), the main thread reads it.
int wakeWriteEnd = -1;

extern "C" void onSessionEnd(int) {
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(wakeWriteEnd, &byte, 1);
    errno = saved;
}

} // namespace

void installSessionEndHandlers() {
    static bool installed = false;
    if (installed || QCoreApplication::instance() == nullptr) {
        return;
    }
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0) {
        return;
    }
    installed = true;
    wakeWriteEnd = fds[1];
    auto* notifier =
        new QSocketNotifier(fds[0], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [readEnd = fds[0]] {
        char buffer[64];
        while (::read(readEnd, buffer, sizeof buffer) > 0) {
        }
        widgets::postWindowEvent({.kind = widgets::EventKind::CloseWindow, .window = MainWindow});
    });
    struct sigaction action {};
    action.sa_handler = onSessionEnd;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

} // namespace codarium::app
