// The updater executable, started by Codarium after the user agreed to
// update. It works in its own directory, the program directory.
#include "online/updater_run.h"
#include "platform/paths.h"
#include "widgets/application.h"

int main(int argc, char** argv) {
    codarium::widgets::Application application(argc, argv);
    const std::string directory =
        codarium::platform::directoryOf(codarium::platform::ownExecutablePath());
    codarium::platform::setCurrentDirectory(directory);
    return codarium::online::runUpdater(directory);
}
