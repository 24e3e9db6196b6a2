#include "app/server_config.h"

#include "runtime/prefs_file.h"

namespace codarium::app {

ServerConfig readServerConfig(std::string_view path) {
    ServerConfig config;
    PrefsFile file;
    if (!file.openFile(path)) {
        return config;
    }
    file.selectGroup("Konfiguration");
    config.software = file.readString("Software", "");
    config.server = file.readString("Server", "");
    config.directory = file.readString("Verzeichnis", "");
    file.close();
    return config;
}

bool checkServerConfig(const ServerConfig& config) {
    return !config.software.empty() && !config.server.empty() && !config.directory.empty();
}

} // namespace codarium::app
