#pragma once
// The application shell's process-wide state. Read by the other folders
// directly; each field is changed only by the operations that own it.
#include "app/program_version.h"
#include "online/worker_flags.h"
#include "runtime/server_config.h"

#include <string>
#include <string_view>

namespace codarium::app {

struct ProgramIdentity {
    static constexpr std::string_view ProgramName = "Codarium";
    static constexpr std::string_view ProgramVersion = ConfiguredProgramVersion;
    // The executable's file name, looked for in the program directory.
    static constexpr std::string_view ExecutableName = "Codarium";
    // The highlighter plug-in beside the executable.
    static constexpr std::string_view HighlighterName = "SyntaxHilighting.so";
    // The desktop entry's name without ".desktop"; also the icon's and the
    // desktop metadata's name. The window class is ProgramName.
    static constexpr std::string_view DesktopId = "de.marvolt.Codarium";
};

// The settings, in the group "Einstellungen" of the settings file.
struct AppSettings {
    std::string editorPath;     // "PBPfad": "" not configured, "0" declined, else a path
    int windowWidth = 800;      // "Fensterbreite": inner width
    int windowHeight = 600;     // "Fensterhoehe": inner height (client plus menu bar)
    int windowState = 0;        // "Fensterstatus": 0, or 16777216 for maximized
    int splitterPosition = 200; // "Splitterposition": width of the tree pane
    int toolbarIconSize = 32;   // "ToolBar_Icongroesse": 16, 24 or 32
    int administratorMode = 0;  // "Administratormodus": 1 switches it on
    int wordWrap = 0;           // "Saut de ligne": 1 wraps long lines in the code view
    int zoom = 0;               // "Zoom": points added to the code view's font sizes
};

struct StartupState {
    std::string DataDir;      // the program directory, also the working directory
    std::string SettingsFile; // the settings file read at start-up
    int RestartRequested = 0; // 1: start the program again after saving
};

// Set by worker threads, acted on by the event loop after its next event.
using online::WorkerFlags;
using online::workerFlags;

AppSettings& appSettings();
ServerConfig& serverConfig();
StartupState& startupState();

// Back to the initial values (tests run several start-ups in one process).
void resetAppState();

bool administratorMode(); // "Administratormodus" is 1

} // namespace codarium::app
