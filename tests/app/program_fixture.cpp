#include "program_fixture.h"

#include "app/app_state.h"
#include "app/event_loop.h"
#include "app/main_window_numbers.h"
#include "app/settings.h"
#include "app/shell_commands.h"
#include "app/startup.h"
#include "runtime/prefs_file.h"
#include "widgets/test_hooks.h"
#include "widgets/windows.h"

#include <QApplication>
#include <cstdlib>
#include <filesystem>

namespace codarium::testsupport {

namespace fs = std::filesystem;

namespace {
void ensureApplication() {
    static int argc = 1;
    static char name[] = "app_tests";
    static char* argv[] = {name, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    (void)app;
}
} // namespace

void ProgramTest::SetUp() {
    ensureApplication();
    cwd_.emplace();
    ::setenv("APPDATA", appData.path().c_str(), 1);
    writeBytes(programDir / "Codarium", "");
    fs::copy_file(fs::path(CODARIUM_PROGRAM_DIR) / "SyntaxHilighting.so",
                  programDir.path() / "SyntaxHilighting.so");
    fs::copy(fs::path(CODARIUM_SOURCE_DIR) / "data/Grafiken", programDir.path() / "Grafiken");
    writeBytes(programDir / "Konfiguration.ini", ServerConfigText);
    app::resetAppState();
    widgets::testing::scriptDialogs(true);
    widgets::clearWindowEvents();
}

void ProgramTest::TearDown() {
    app::releaseAll();
    widgets::testing::processPendingEvents();
    widgets::clearWindowEvents();
    widgets::testing::scriptDialogs(false);
    widgets::testing::reopenModalLoops();
    app::resetAppState();
    cwd_.reset();
}

std::string ProgramTest::standardFile() const {
    return appData / "Marvolt/Codarium/Einstellungen.ini";
}

void ProgramTest::writeStandardSettings(std::string_view text) {
    fs::create_directories(appData.path() / "Marvolt/Codarium");
    writeBytes(standardFile(), text);
}

void ProgramTest::writePortableSettings(std::string_view text) {
    writeBytes(programDir / "Einstellungen.ini", text);
}

void ProgramTest::writeOneCodeLibrary() {
    fs::create_directories(programDir.path() / "Codes/Dialoge");
    fs::create_directories(programDir.path() / "Einstellungen/Dialoge");
    writeBytes(programDir / "Einstellungen/Kategorien.ini", "Dialoge\r\n");
    writeBytes(programDir / "Einstellungen/Dialoge.ini", "Datei\r\n");
    writeBytes(programDir / "Codes/Dialoge/Datei.pb", "MessageRequester(\"a\", \"b\")");
    writeBytes(programDir / "Einstellungen/Dialoge/Datei.ini", "");
}

bool ProgramTest::start() {
    fs::current_path(programDir.path());
    const bool running = app::startUp();
    if (!keepEditorPathDialog && widgets::isWindow(app::EditorPathWindow)) {
        app::closeDialog(app::EditorPathWindow, app::MainWindow);
    }
    widgets::testing::processPendingEvents();
    return running;
}

bool ProgramTest::runPendingTurns() {
    bool close = false;
    for (int round = 0; round < 3; ++round) {
        widgets::testing::processPendingEvents();
        for (widgets::WindowEvent e = widgets::windowEvent(); e.kind != widgets::EventKind::None;
             e = widgets::windowEvent()) {
            close = app::handleEvent(e) || close;
        }
    }
    return close;
}

StoredSettings readStored(const std::string& path) {
    StoredSettings s;
    PrefsFile file;
    if (!file.openFile(path)) {
        return s;
    }
    file.selectGroup("Einstellungen");
    s.editorPath = file.readPath("PBPfad", "<none>");
    s.width = file.readInteger("Fensterbreite", -1);
    s.height = file.readInteger("Fensterhoehe", -1);
    s.state = file.readInteger("Fensterstatus", -1);
    s.splitter = file.readInteger("Splitterposition", -1);
    s.iconSize = file.readInteger("ToolBar_Icongroesse", -1);
    s.admin = file.readInteger("Administratormodus", -1);
    s.wrap = file.readInteger("Saut de ligne", -1);
    file.close();
    return s;
}

} // namespace codarium::testsupport
