#include "app/startup.h"

#include "app/app_state.h"
#include "app/editor_path_window.h"
#include "app/event_loop.h"
#include "app/main_window.h"
#include "app/main_window_numbers.h"
#include "app/per_user_program_directory.h"
#include "app/program_directory.h"
#include "app/server_config.h"
#include "app/session_end.h"
#include "app/settings.h"
#include "app/shutdown.h"
#include "app/startup_messages.h"
#include "app/ui_text.h"
#include "library/api_links.h"
#include "library/library_tree.h"
#include "online/update_leftovers.h"
#include "online/updater_start.h"
#include "online/upload_window.h"
#include "online/worker_threads.h"
#include "platform/paths.h"
#include "widgets/application_style.h"
#include "widgets/gui_thread.h"
#include "widgets/menus.h"
#include "widgets/message_box.h"
#include "widgets/windows.h"

#include <string>

namespace codarium::app {

bool startUp() {
    widgets::installApplicationStyle();
    library::resetApiLinks();

    const auto dataDir = findProgramDirectory(platform::ownExecutablePath());
    if (!dataDir) {
        widgets::errorBox(ui(message::ExecutableMissing));
        return false;
    }
    // An installed, read-only program directory is replaced by the user's own copy.
    startupState().DataDir = useProgramDirectory(*dataDir);
    // An updater that was killed may have left the directory between two
    // releases; it is brought to one before anything in it is read.
    online::cleanUpAfterUpdates(startupState().DataDir);

    ensureLibraryStore();
    if (const auto missing = missingComponentMessage()) {
        widgets::errorBox(ui(*missing));
        return false;
    }

    if (portableSettingsInUse()) {
        startupState().SettingsFile = std::string(PortableSettingsFile);
    } else {
        createDefaultSettings(platform::applicationDataFolder());
        startupState().SettingsFile = standardSettingsPath();
    }
    readSettings(startupState().SettingsFile, appSettings());

    if (!openMainWindow(appSettings())) {
        return false;
    }
    loadImagesAndFont(appSettings());

    // The working folder is the program directory.
    serverConfig() = readServerConfig(ServerConfigFileName);
    if (!checkServerConfig(serverConfig())) {
        widgets::errorBox(ui(message::ServerConfigBroken));
        return false;
    }

    buildMainWindowContents(appSettings());
    checkEditorPath();
    setLocationCheckMarks(portableSettingsInUse());
    library::reloadLibraryTree();
    if (administratorMode()) {
        widgets::setWindowTitle(MainWindow, widgets::windowTitle(MainWindow) + " - Administrator");
        library::loadApiLinks(); // the add-link dialog proposes from it at once
    }
    // The popup, the view's tooltips and Ctrl+click use it in every mode; it is
    // read once the window is up, or at its first use if that comes sooner.
    widgets::runWhenIdle([] { static_cast<void>(library::apiLinks()); });
    return true;
}

void releaseAll() {
    for (int window = UpdateWaitWindow; window >= MainWindow; --window) {
        widgets::closeWindow(window);
    }
    for (int menu : {MainMenu, LinkPopupMenu, CodeViewPopupMenu}) {
        widgets::freeMenu(menu);
    }
}

int runCodarium() {
    installSessionEndHandlers(SessionEndDeadline);
    if (!startUp()) {
        releaseAll();
        return 0;
    }
    const LoopEnd end = runEventLoop();
    // Workers still running are stopped before the windows they may show
    // boxes over go away. A submission on its way is cancelled as by its
    // "Abbrechen", which its connect and login watch as well.
    online::cancelUpload();
    online::releaseAllThreads();
    if (end == LoopEnd::UpdaterHandOver) {
        // The updater replaces the installed files; the settings are not
        // written back, and the program ends even when it could not start.
        online::startUpdater(startupState().DataDir);
        releaseAll();
        return 0;
    }
    shutDown(platform::ownExecutablePath());
    releaseAll();
    return 0;
}

} // namespace codarium::app
