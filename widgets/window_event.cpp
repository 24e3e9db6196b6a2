#include "widgets/window_event.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QMetaObject>
#include <deque>
#include <mutex>

namespace codarium::widgets {
namespace {

struct EventQueue {
    std::mutex lock;
    std::deque<WindowEvent> events;
};

EventQueue& queue() {
    static EventQueue q;
    return q;
}

bool takeOldest(WindowEvent& out) {
    std::lock_guard guard(queue().lock);
    if (queue().events.empty()) {
        return false;
    }
    out = queue().events.front();
    queue().events.pop_front();
    return true;
}

} // namespace

WindowEvent windowEvent() {
    WindowEvent event;
    takeOldest(event);
    return event;
}

WindowEvent waitWindowEvent() {
    WindowEvent event;
    while (!takeOldest(event)) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return event;
}

void postWindowEvent(const WindowEvent& event) {
    {
        std::lock_guard guard(queue().lock);
        queue().events.push_back(event);
    }
    // An empty queued call wakes an event loop blocked in WaitForMoreEvents
    // when the event comes from another thread.
    if (auto* app = QCoreApplication::instance()) {
        QMetaObject::invokeMethod(
            app, [] {}, Qt::QueuedConnection);
    }
}

void clearWindowEvents() {
    std::lock_guard guard(queue().lock);
    queue().events.clear();
}

} // namespace codarium::widgets
