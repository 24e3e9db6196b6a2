#pragma once
// Konfiguration.ini, shipped beside the program: which server and folder the
// update check and the updater ask, and how old a release may be before the
// check adds a note. This is the file's one reader; the program and the
// updater each take what they need from its result.
#include <optional>
#include <string>
#include <string_view>

namespace codarium {

inline constexpr std::string_view ServerConfigFileName = "Konfiguration.ini";

// The keys of the group "Konfiguration" (library text).
struct ServerConfig {
    std::string software;  // "Software"
    std::string server;    // "Server": scheme, "://" and host, no trailing "/"
    std::string directory; // "Verzeichnis"
    // "MaximalesAlter" in days; none when missing or not a whole number from 0 up.
    std::optional<int> maxReleaseAgeDays;
};

// Each key "" (or none) when missing, and all of them when the file does not
// open.
ServerConfig readServerConfig(std::string_view path);

// Konfiguration.ini in the given program directory.
std::string serverConfigPath(std::string_view programDirectory);

} // namespace codarium
