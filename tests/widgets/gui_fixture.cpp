#include "gui_fixture.h"

#include "widgets/test_hooks.h"
#include "widgets/windows.h"

#include <QApplication>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

namespace codarium::widgets::testsupport {

void ensureApplication() {
    static int argc = 1;
    static char name[] = "widgets_tests";
    static char* argv[] = {name, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    (void)app;
}

std::vector<WindowEvent> drainEvents() {
    testing::processPendingEvents();
    std::vector<WindowEvent> out;
    for (WindowEvent e = windowEvent(); e.kind != EventKind::None; e = windowEvent()) {
        out.push_back(e);
    }
    return out;
}

bool runOnWorker(const std::function<void()>& work, int limitMs) {
    std::atomic<bool> done{false};
    std::thread worker([&] {
        work();
        done = true;
    });
    const auto pumpFor = [&done](int ms) {
        const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
        while (!done && std::chrono::steady_clock::now() < until) {
            QApplication::processEvents(QEventLoop::AllEvents, 20);
        }
        return done.load();
    };
    const bool finished = pumpFor(limitMs);
    // The worker holds references into this frame and the caller's, so it is
    // never left running: a late one is still served and joined; one that
    // never ends stops the test program rather than outlive what it uses.
    if (!finished && !pumpFor(60000)) {
        std::fputs("runOnWorker: the worker never finished\n", stderr);
        std::abort();
    }
    worker.join();
    return finished;
}

void GuiTest::SetUp() {
    ensureApplication();
    testing::scriptDialogs(true);
    clearWindowEvents();
}

void GuiTest::TearDown() {
    for (int w = 0; w < 100; ++w) {
        closeWindow(w);
    }
    testing::scriptDialogs(false);
    drainEvents();
}

} // namespace codarium::widgets::testsupport
