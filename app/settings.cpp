#include "app/settings.h"

#include "app/zoom_rule.h"
#include "platform/file_system.h"
#include "platform/paths.h"
#include "runtime/prefs_file.h"

namespace codarium::app {
namespace {

constexpr std::string_view KeyEditorPath = "PBPfad";
constexpr std::string_view KeyWidth = "Fensterbreite";
constexpr std::string_view KeyHeight = "Fensterhoehe";
constexpr std::string_view KeyState = "Fensterstatus";
constexpr std::string_view KeySplitter = "Splitterposition";
constexpr std::string_view KeyIconSize = "ToolBar_Icongroesse";
constexpr std::string_view KeyAdministrator = "Administratormodus";
constexpr std::string_view KeyWordWrap = "Saut de ligne";
constexpr std::string_view KeyZoom = "Zoom";
// A value no stored key holds: readString returns it only for a missing key.
constexpr std::string_view MissingKey = "\x01";

} // namespace

std::string standardSettingsFolder(std::string_view appData) {
    return platform::joinPath(platform::joinPath(appData, "Marvolt"), ProgramIdentity::ProgramName);
}

std::string standardSettingsPath(std::string_view appData) {
    return platform::joinPath(standardSettingsFolder(appData), "Einstellungen.ini");
}

std::string standardSettingsPath() {
    return standardSettingsPath(platform::applicationDataFolder());
}

bool portableSettingsInUse() {
    return platform::pathExists(PortableSettingsFile);
}

std::string settingsFileInUse() {
    return portableSettingsInUse() ? std::string(PortableSettingsFile) : standardSettingsPath();
}

void createDefaultSettings(std::string_view appData) {
    // The whole path: on a new account even ~/.config may be missing.
    platform::createDirectoryPath(standardSettingsFolder(appData));
    const std::string path = standardSettingsPath(appData);
    if (platform::pathExists(path)) {
        return;
    }
    PrefsFile file;
    if (!file.createFile(path)) {
        return;
    }
    const AppSettings defaults;
    file.selectGroup(SettingsGroup);
    file.writePath(KeyEditorPath, defaults.editorPath);
    file.writeInteger(KeyState, defaults.windowState);
    file.writeInteger(KeyWidth, defaults.windowWidth);
    file.writeInteger(KeyHeight, defaults.windowHeight);
    file.writeInteger(KeySplitter, defaults.splitterPosition);
    file.writeInteger(KeyIconSize, defaults.toolbarIconSize);
    file.writeInteger(KeyAdministrator, defaults.administratorMode);
    file.writeInteger(KeyWordWrap, defaults.wordWrap);
    file.close();
}

bool readSettings(std::string_view path, AppSettings& settings) {
    PrefsFile file;
    if (!file.openFile(path)) {
        return false;
    }
    const AppSettings defaults;
    file.selectGroup(SettingsGroup);
    settings.editorPath = file.readPath(KeyEditorPath, defaults.editorPath);
    settings.windowWidth = file.readInteger(KeyWidth, defaults.windowWidth);
    settings.windowHeight = file.readInteger(KeyHeight, defaults.windowHeight);
    settings.windowState = file.readInteger(KeyState, defaults.windowState);
    settings.splitterPosition = file.readInteger(KeySplitter, defaults.splitterPosition);
    settings.toolbarIconSize = file.readInteger(KeyIconSize, defaults.toolbarIconSize);
    settings.administratorMode = file.readInteger(KeyAdministrator, defaults.administratorMode);
    settings.wordWrap = file.readInteger(KeyWordWrap, defaults.wordWrap);
    settings.zoom = zoomFromSetting(file.readInteger(KeyZoom, defaults.zoom));
    file.close();
    return true;
}

bool writeSettings(std::string_view path, const AppSettings& settings,
                   const WindowSnapshot& window) {
    PrefsFile file;
    if (!file.openFile(path)) {
        return false;
    }
    file.selectGroup(SettingsGroup);
    file.writePath(KeyEditorPath, settings.editorPath);
    switch (window.state) {
    case WindowSnapshot::State::Maximized:
        // The normal size stays as stored, so restoring after the next
        // maximized start returns to it.
        file.writeInteger(KeyState, MaximizedWindowState);
        break;
    case WindowSnapshot::State::Normal:
        file.writeInteger(KeyState, 0);
        file.writeInteger(KeyWidth, window.innerWidth);
        file.writeInteger(KeyHeight, window.innerHeight);
        break;
    case WindowSnapshot::State::Minimized:
        break;
    }
    file.writeInteger(KeySplitter, window.splitterPosition);
    file.writeInteger(KeyIconSize, settings.toolbarIconSize);
    file.writeInteger(KeyAdministrator, settings.administratorMode);
    file.writeInteger(KeyWordWrap, settings.wordWrap);
    if (zoomKeyWritten(settings.zoom, file.readString(KeyZoom, MissingKey) != MissingKey)) {
        file.writeInteger(KeyZoom, settings.zoom);
    }
    file.close();
    return true;
}

} // namespace codarium::app
