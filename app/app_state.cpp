#include "app/app_state.h"

namespace codarium::app {
namespace {

struct ShellState {
    AppSettings settings;
    ServerConfig server;
    StartupState startup;
    WorkerFlags flags;
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
WorkerFlags& workerFlags() {
    return shell().flags;
}

void resetAppState() {
    ShellState& s = shell();
    s.settings = AppSettings{};
    s.server = ServerConfig{};
    s.startup = StartupState{};
    s.flags.UploadFinished = 0;
    s.flags.SubmissionFinished = 0;
    s.flags.UpdateCheckFinished = 0;
}

bool administratorMode() {
    return appSettings().administratorMode == 1;
}

} // namespace codarium::app
