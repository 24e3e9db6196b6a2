#pragma once
// A last resort for ending the process: whatever the main thread is doing,
// the process ends with code 0 once the time is up.
#include <chrono>

namespace codarium::platform {

// Ends the process with code 0 after `delay`, without running destructors or
// exit handlers, from a thread of its own. Only the first call counts. For
// the end of a session, where the desktop gives a program a short time and
// then kills it anyway: ending by ourselves at least leaves no half-written
// file, since every file is written aside and renamed into place.
void endProcessAfter(std::chrono::milliseconds delay);

} // namespace codarium::platform
