#pragma once
// The end of a run: the settings saved from the main window's state, then the
// restart when one was asked for.
#include "app/settings.h"

#include <string_view>

namespace codarium::app {

// The main window's state, inner size and splitter position now.
WindowSnapshot mainWindowSnapshot();

// Writes the settings into the file in use at this moment (the location
// commands take effect here). False when nothing could be saved.
bool saveSettingsAtExit();

// Starts `executable` (the running one, in the program) again when
// RestartRequested is 1; returns whether a start was made.
bool restartIfRequested(std::string_view executable);

// After the event loop: the settings saved, then the restart.
void shutDown(std::string_view executable);

} // namespace codarium::app
