#pragma once
// The file the install rule puts into an installed program directory. Such a
// copy belongs to the system's package manager: neither the program nor its
// updater writes into it.
#include <string_view>

namespace codarium::online {

inline constexpr std::string_view InstalledCopyMarker = "Paketinstallation";

} // namespace codarium::online
