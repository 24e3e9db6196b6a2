#include "online/updater_run.h"

#include "online/installed_copy.h"

#include "online/update_install.h"
#include "online/update_leftovers.h"
#include "online/update_trust.h"
#include "online/worker_threads.h"
#include "platform/code_page.h"
#include "platform/file_system.h"
#include "platform/paths.h"
#include "platform/running_programs.h"
#include "platform/update_folder.h"
#include "runtime/run_program.h"
#include "runtime/server_config.h"
#include "widgets/gadgets.h"
#include "widgets/message_box.h"
#include "widgets/progress_gadget.h"
#include "widgets/text_gadgets.h"
#include "widgets/window_event.h"
#include "widgets/windows.h"

#include <chrono>
#include <memory>
#include <thread>
#include <utility>

namespace codarium::online {
namespace {

constexpr int Width = 420;
constexpr int Height = 80;

void waitForProgramEnd(const std::string& executable) {
    const auto until =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(ProgramEndWaitMilliseconds);
    while (platform::programRunning(executable) && std::chrono::steady_clock::now() < until) {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
    }
}

void openUpdaterWindow() {
    const widgets::WindowFlags flags =
        widgets::WindowTitleBar | widgets::WindowScreenCentered | widgets::WindowNoCloseEntry;
    if (!widgets::openWindow(UpdaterWindow, 0, 0, Width, Height, "Aktualisierung", flags)) {
        return;
    }
    widgets::textGadget(UpdaterFileText, UpdaterWindow, 10, 10, Width - 20, 20,
                        platform::fromUtf8("Die Dateien werden geprüft ..."));
    widgets::progressBarGadget(UpdaterProgressBar, UpdaterWindow, 10, 40, Width - 20, 20, 0, 1);
}

void showProgress(std::string_view file, int done, int total) {
    widgets::setProgressRange(UpdaterProgressBar, 0, total > 0 ? total : 1);
    widgets::setProgressValue(UpdaterProgressBar, done);
    if (!file.empty()) {
        widgets::setGadgetText(UpdaterFileText, "Lade " + std::string(file));
    }
}

// Runs the installation on a worker while the window keeps its events
// flowing (the worker's progress calls wait for the GUI thread).
InstallResult installWithWindow(const UpdateSource& source, const std::vector<IndexEntry>& entries,
                                std::int64_t releaseTimestamp) {
    openUpdaterWindow();
    struct Shared {
        std::atomic<bool> done{false};
        InstallResult result;
    };
    auto shared = std::make_shared<Shared>();
    const int thread = startThread(
        [shared, source, entries, releaseTimestamp](int, const StopToken& stop) {
            FingerprintBuffer buffer;
            shared->result =
                installUpdate(source, entries, buffer, showProgress, &stop, {}, releaseTimestamp);
            shared->done = true;
            widgets::postWindowEvent({widgets::EventKind::WakeUp});
        },
        0);
    if (thread == 0) {
        FingerprintBuffer buffer;
        shared->result = installUpdate(source, entries, buffer, {}, nullptr, {}, releaseTimestamp);
    } else {
        while (!shared->done) {
            widgets::waitWindowEvent();
        }
    }
    releaseAllThreads();
    widgets::closeWindow(UpdaterWindow);
    return shared->result;
}

} // namespace

std::optional<UpdateSource> readUpdaterSource(std::string_view programDirectory) {
    ServerConfig config = readServerConfig(serverConfigPath(programDirectory));
    if (config.server.empty() || config.directory.empty()) {
        return std::nullopt;
    }
    return UpdateSource{std::move(config.server), std::move(config.directory),
                        std::string(programDirectory)};
}

namespace {

// Everything the updater does while it holds the program directory; the
// German sentence of a failure, "" when the release is in place.
std::string updateHeld(std::string_view programDirectory) {
    const platform::FolderHold hold(programDirectory);
    if (!hold.held()) {
        return platform::fromUtf8("Eine andere Aktualisierung läuft gerade. Es wurde keine "
                                  "Datei geändert.");
    }
    if (platform::fileExists(platform::joinPath(programDirectory, InstalledCopyMarker))) {
        // Started by hand in an installed copy: the package manager owns
        // these files and would overwrite whatever the updater put there.
        return platform::fromUtf8("Diese Installation von Codarium wird über die "
                                  "Paketverwaltung des Systems aktualisiert. Es wurde keine "
                                  "Datei geändert.");
    }
    {
        FingerprintBuffer buffer;
        if (cleanUpAfterUpdatesHeld(programDirectory, buffer, LeftoverScope::WholeDirectory) ==
            CleanUp::Unreadable) {
            return platform::fromUtf8("Das Journal einer früheren Aktualisierung "
                                      "(Aktualisierung.journal) kann nicht gelesen werden. Es "
                                      "wurde keine Datei geändert.");
        }
    }
    // Checked again here, before anything is fetched: the index beside the
    // program may have changed since the check read it.
    const IndexVerdict verdict = checkIndexTrust(programDirectory);
    if (verdict.trust != IndexTrust::Trusted) {
        return indexTrustFailureText(verdict.trust) +
               platform::fromUtf8(" Es wurde keine Datei geändert.");
    }
    const auto source = readUpdaterSource(programDirectory);
    const auto entries = readUpdateIndex(platform::joinPath(programDirectory, IndexFileName));
    if (!source) {
        return platform::fromUtf8("Die Datei Konfiguration.ini nennt keinen Server. Es wurde "
                                  "keine Datei geändert.");
    }
    if (!entries) {
        return platform::fromUtf8("Die Index-Datei konnte nicht gelesen werden. Es wurde "
                                  "keine Datei geändert.");
    }
    return installFailureText(installWithWindow(*source, *entries, verdict.timestamp));
}

} // namespace

int runUpdater(std::string_view programDirectory) {
    const std::string program = platform::joinPath(programDirectory, ProgramExecutableName);
    waitForProgramEnd(program);
    const std::string failure = updateHeld(programDirectory);
    if (!failure.empty()) {
        widgets::errorBox(failure);
    }
    runProgram(program, "", programDirectory);
    return 0;
}

} // namespace codarium::online
