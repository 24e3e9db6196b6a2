#pragma once
// An installed copy is updated by the system's package manager: the
// program's own updater would overwrite files that the package owns, and the
// next package update would overwrite the updater's.
#include <string_view>

namespace codarium::app {

inline constexpr std::string_view PackageUpdateTitle = "Aktualisierung";
inline constexpr std::string_view PackageUpdateText =
    "Diese Installation von Codarium wird über die Paketverwaltung des Systems "
    "aktualisiert.\rBitte suchen Sie dort nach einer neuen Version.";

// Before the update check (command 1). When the running executable lies in
// an installed copy (executableDirectory), tells the user that the package
// manager updates the program and returns true: the check does not run.
// Otherwise shows nothing and returns false.
bool explainPackageManagerUpdates(std::string_view executableDirectory);

} // namespace codarium::app
