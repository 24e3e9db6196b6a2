#include "widgets/gui_thread.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>
#include <QTimer>

namespace codarium::widgets {

bool onGuiThread() {
    auto* app = QCoreApplication::instance();
    return app == nullptr || QThread::currentThread() == app->thread();
}

void runOnGuiThread(const std::function<void()>& work) {
    if (onGuiThread()) {
        work();
        return;
    }
    // The worker waits here until the GUI thread's event loop ran the work;
    // the GUI thread therefore must never wait for this worker meanwhile.
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [&work] { work(); }, Qt::BlockingQueuedConnection);
}

void runWhenIdle(std::function<void()> work) {
    auto* app = QCoreApplication::instance();
    if (app == nullptr) {
        work();
        return;
    }
    QTimer::singleShot(0, app, std::move(work));
}

} // namespace codarium::widgets
