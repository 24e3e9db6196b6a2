#pragma once
// The signed time of the last release the updater installed, kept in a file
// of its own in the program directory that no update may replace, so that a
// server cannot offer an older signed release again.
#include <cstdint>
#include <string_view>

namespace codarium::online {

inline constexpr std::string_view UpdateStateFileName = "Aktualisierung.stand";

// 0 when no release was installed yet (or the file cannot be read).
std::int64_t lastInstalledTimestamp(std::string_view programDirectory);

// Keeps the later of the stored time and this one; false when it could not
// be saved.
bool recordInstalledTimestamp(std::string_view programDirectory, std::int64_t timestamp);

} // namespace codarium::online
