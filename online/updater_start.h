#pragma once
// Handing over to the updater after the user agreed to update.
#include <string_view>

namespace codarium::online {

// The updater's executable, in the program directory.
inline constexpr std::string_view UpdaterName = "Aktualisierung";

// True once a check was accepted: the main thread starts the updater and ends
// the program without saving the settings.
bool updaterRequested();

// Starts the updater from the program directory; false when it could not be
// started (the program ends all the same).
bool startUpdater(std::string_view programDirectory);

} // namespace codarium::online
