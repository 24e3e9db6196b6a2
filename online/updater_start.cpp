#include "online/updater_start.h"

#include "online/worker_flags.h"
#include "platform/paths.h"
#include "runtime/run_program.h"

namespace codarium::online {

bool updaterRequested() {
    return workerFlags().UpdaterRequested == 1;
}

bool startUpdater(std::string_view programDirectory) {
    return runProgram(platform::joinPath(programDirectory, UpdaterName), "", "") != 0;
}

} // namespace codarium::online
