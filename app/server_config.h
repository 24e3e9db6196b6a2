#pragma once
// The server configuration shipped beside the program.
#include "app/app_state.h"

#include <string_view>

namespace codarium::app {

inline constexpr std::string_view ServerConfigFile = "Konfiguration.ini";

// The three keys of the group "Konfiguration", each "" when missing (and all
// "" when the file does not open).
ServerConfig readServerConfig(std::string_view path = ServerConfigFile);
// True when none of the three is empty.
bool checkServerConfig(const ServerConfig& config);

} // namespace codarium::app
