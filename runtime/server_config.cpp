#include "runtime/server_config.h"

#include "platform/paths.h"
#include "runtime/prefs_file.h"

#include <charconv>

namespace codarium {
namespace {

std::optional<int> wholeDays(const std::string& text) {
    int days = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), days);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || days < 0) {
        return std::nullopt;
    }
    return days;
}

} // namespace

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
    config.maxReleaseAgeDays = wholeDays(file.readString("MaximalesAlter", ""));
    file.close();
    return config;
}

std::string serverConfigPath(std::string_view programDirectory) {
    return platform::joinPath(programDirectory, ServerConfigFileName);
}

} // namespace codarium
