#pragma once
// The operating system's request to end the session (SIGTERM, SIGINT on
// Linux), delivered on the thread that runs the Qt event loop.
#include <functional>

namespace codarium::platform {

// Calls onEnd from the event loop each time such a request arrives. Once per
// process; false when there is no application object yet, it is installed
// already, or the operating system refuses.
bool watchSessionEnd(std::function<void()> onEnd);

} // namespace codarium::platform
