#pragma once
// Whether a program is still running, by the file it was started from.
#include <string_view>

namespace codarium::platform {

// True when some process of this user runs the executable at `path` (a
// native path).
bool programRunning(std::string_view path);

} // namespace codarium::platform
