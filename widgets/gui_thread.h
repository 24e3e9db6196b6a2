#pragma once
// Running a piece of widget work on the GUI thread. The thread-safe entry
// points of this folder (message boxes, gadget text and progress, posting an
// event) go through here; other code rarely needs it.
#include <functional>

namespace codarium::widgets {

// True on the thread that created the QApplication.
bool onGuiThread();

// Runs work on the GUI thread and returns when it is done: directly when
// called there, otherwise through a blocking queued call (the caller waits
// until the GUI thread's event loop has run it). Without a QApplication the
// work runs directly.
void runOnGuiThread(const std::function<void()>& work);

// Runs work on the GUI thread once its event loop has taken what is already
// queued (a window just shown draws itself first). Without a QApplication
// the work runs directly.
void runWhenIdle(std::function<void()> work);

} // namespace codarium::widgets
