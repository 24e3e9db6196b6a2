#include "app/app_state.h"

namespace codarium::app {
namespace {

struct ShellState {
    AppSettings settings;
    ServerConfig server;
    StartupState startup;
};

ShellState& shell() {
    static ShellState s;
    return s;
}

} // namespace

AppSettings& appSettings() {
    return shell().settings;
}
ServerConfig& serverConfig() {
    return shell().server;
}
StartupState& startupState() {
    return shell().startup;
}

void resetAppState() {
    ShellState& s = shell();
    s.settings = AppSettings{};
    s.server = ServerConfig{};
    s.startup = StartupState{};
    online::resetWorkerFlags();
}

bool administratorMode() {
    return appSettings().administratorMode == 1;
}

} // namespace codarium::app
