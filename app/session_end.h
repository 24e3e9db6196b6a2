#pragma once
// The end of the desktop session (SIGTERM) and an interrupt (SIGINT) arrive
// as close requests of the main window, so the settings are saved as after
// closing it. Whatever is open then, a box, a dialog or a drop-down list,
// closes as if cancelled, so that the request reaches the program's loop.
#include <chrono>
#include <optional>

namespace codarium::app {

// The time after a session end request at which the program ends even when
// its loop could not finish: well inside the two seconds or so a desktop
// waits before it kills a program.
inline constexpr std::chrono::milliseconds SessionEndDeadline{1800};

// Needs a Qt application; installs the handlers once per process. With a
// deadline, the process ends by itself that long after the request.
void installSessionEndHandlers(std::optional<std::chrono::milliseconds> deadline = std::nullopt);

} // namespace codarium::app
