#pragma once
// The Qt application of the online tests (offscreen), and the GUI thread's
// events handled while a worker runs.
#include <QApplication>
#include <chrono>

namespace codarium::online::testsupport {

inline void ensureApplication() {
    static int argc = 1;
    static char name[] = "online_tests";
    static char* argv[] = {name, nullptr};
    static auto* app = new QApplication(argc, argv);
    (void)app;
}

// Handles the GUI thread's events until `done` holds or `limitMs` is over;
// false on time-out. The limit only bounds a failing test.
template <typename Condition> bool handleEventsUntil(Condition done, int limitMs = 60000) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(limitMs);
    while (!done()) {
        if (std::chrono::steady_clock::now() > until) {
            return false;
        }
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

} // namespace codarium::online::testsupport
