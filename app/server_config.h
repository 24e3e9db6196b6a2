#pragma once
// What the program needs of the server configuration shipped beside it.
#include "runtime/server_config.h"

namespace codarium::app {

// True when none of the three keys is empty.
bool checkServerConfig(const ServerConfig& config);

} // namespace codarium::app
