#pragma once
// The updater program: waits for Codarium to end, fetches and installs the
// changed files of the release index in a small window of its own, says so
// in a box when that failed, and starts Codarium again.
#include "online/update_check.h"

#include <optional>
#include <string>
#include <string_view>

namespace codarium::online {

// The program the updater waits for and starts again, in the program directory.
inline constexpr std::string_view ProgramExecutableName = "Codarium";
// How long the updater waits for the program to end before it goes ahead.
inline constexpr int ProgramEndWaitMilliseconds = 10000;

// The updater's window and its gadgets.
inline constexpr int UpdaterWindow = 0;
inline constexpr int UpdaterFileText = 1;
inline constexpr int UpdaterProgressBar = 2;

// "Server" and "Verzeichnis" from Konfiguration.ini in the program directory;
// none when the file does not open or either is empty.
std::optional<UpdateSource> readUpdaterSource(std::string_view programDirectory);

// The whole run. Returns the process's exit code (always 0).
int runUpdater(std::string_view programDirectory);

} // namespace codarium::online
