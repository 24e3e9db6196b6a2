#pragma once
// Making the program directory the working directory, and the files and
// folders that must be in it.
#include <optional>
#include <string>
#include <string_view>

namespace codarium::app {

// When the working directory holds no file named like the executable, changes
// to the directory of the running executable (ownExecutable) and tests again.
// Returns the program directory, or nothing when the executable is in neither.
std::optional<std::string> findProgramDirectory(std::string_view ownExecutable);

// Creates Codes/, Einstellungen/ and an empty Einstellungen/Kategorien.ini
// where missing. Failures are silent.
void ensureLibraryStore();

// The error text (UTF-8) for a missing companion file, or nothing. The
// editing component is linked into the executable, so only the highlighter
// plug-in can be missing.
std::optional<std::string_view> missingComponentMessage();

} // namespace codarium::app
