#include "app/server_config.h"

namespace codarium::app {

bool checkServerConfig(const ServerConfig& config) {
    return !config.software.empty() && !config.server.empty() && !config.directory.empty();
}

} // namespace codarium::app
