#pragma once
// The settings file: where it is, its defaults, reading it at start-up and
// writing it back at shutdown.
#include "app/app_state.h"

#include <string>
#include <string_view>

namespace codarium::app {

inline constexpr std::string_view SettingsGroup = "Einstellungen";
// "Fensterstatus" of a maximized window (the system's maximize style bit).
inline constexpr int MaximizedWindowState = 16777216;
// The portable settings file, in the program directory (working directory).
inline constexpr std::string_view PortableSettingsFile = "Einstellungen.ini";

// appData + "/Marvolt/Codarium", the per-user settings folder.
std::string standardSettingsFolder(std::string_view appData);
// The standard settings file inside it.
std::string standardSettingsPath(std::string_view appData);
// The standard settings file for the running user.
std::string standardSettingsPath();

// Portable when an entry named Einstellungen.ini exists in the working
// directory; asked anew each time, so the location commands take effect.
bool portableSettingsInUse();
// The file that is read or written now under that rule.
std::string settingsFileInUse();

// Creates the per-user folder with every missing folder above it (private to
// the user) and, when missing, the standard file with the defaults. Failures
// are silent.
void createDefaultSettings(std::string_view appData);

// Fills `settings` from the file. Returns false when it does not open; the
// fields then keep what they held (the defaults at start-up), so an
// unreadable file never yields zero sizes.
bool readSettings(std::string_view path, AppSettings& settings);

// What writeSettings needs of the main window.
struct WindowSnapshot {
    enum class State { Normal, Maximized, Minimized } state = State::Normal;
    int innerWidth = 0;
    int innerHeight = 0;
    int splitterPosition = 0;
};

// Writes the settings back into an existing file; false (nothing saved) when
// it does not open. A maximized window writes only its state, a minimized one
// none of the three window keys.
bool writeSettings(std::string_view path, const AppSettings& settings,
                   const WindowSnapshot& window);

} // namespace codarium::app
