#include "platform/session_signals.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace codarium::platform {
namespace {

// The watch of the process: whether it is installed, and the write end of
// the pipe the handler signals through. A signal handler may only write to
// that pipe (async-signal-safe); the event loop reads it.
struct SessionWatch {
    bool installed = false;
    int wakeWriteEnd = -1;
};
SessionWatch watch;

extern "C" void onSessionEndSignal(int) {
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(watch.wakeWriteEnd, &byte, 1);
    errno = saved;
}

} // namespace

bool watchSessionEnd(std::function<void()> onEnd) {
    if (watch.installed || QCoreApplication::instance() == nullptr) {
        return false;
    }
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0) {
        return false;
    }
    watch.installed = true;
    watch.wakeWriteEnd = fds[1];
    auto* notifier =
        new QSocketNotifier(fds[0], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier,
                     [readEnd = fds[0], onEnd = std::move(onEnd)] {
                         char buffer[64];
                         while (::read(readEnd, buffer, sizeof buffer) > 0) {
                         }
                         onEnd();
                     });
    struct sigaction action {};
    action.sa_handler = onSessionEndSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
    return true;
}

} // namespace codarium::platform
