#pragma once
// The end of the desktop session (SIGTERM) and an interrupt (SIGINT) arrive
// as close requests of the main window, so the settings are saved as after
// closing it.
namespace codarium::app {

// Needs a Qt application; installs the handlers once per process.
void installSessionEndHandlers();

} // namespace codarium::app
