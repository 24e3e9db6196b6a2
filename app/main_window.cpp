#include "app/main_window.h"

#include "app/keyboard_shortcuts.h"
#include "app/main_layout.h"
#include "app/main_window_numbers.h"
#include "app/settings.h"
#include "app/ui_text.h"
#include "app/window_routes.h"
#include "widgets/menus.h"
#include "widgets/status_bar.h"
#include "widgets/windows.h"

#include <string>

namespace codarium::app {

bool openMainWindow(const AppSettings& settings) {
    widgets::WindowFlags flags = widgets::MainWindowFlags;
    // The stored state is the system's maximize style bit.
    if ((settings.windowState & MaximizedWindowState) != 0) {
        flags |= widgets::WindowMaximize;
    }
    const std::string title = std::string(ProgramIdentity::ProgramName) + " " +
                              std::string(ProgramIdentity::ProgramVersion);
    if (!widgets::openWindow(MainWindow, 0, 0, settings.windowWidth, settings.windowHeight, title,
                             flags)) {
        return false;
    }
    widgets::setWindowMinimumSize(MainWindow, MainWindowMinimumWidth, MainWindowMinimumHeight);
    return true;
}

void buildMainWindowContents(const AppSettings& settings) {
    buildMainMenu(settings);
    buildCodeViewPopupMenu();
    buildMainToolBar(settings);
    widgets::createStatusBar(MainStatusBar, MainWindow);
    buildMainGadgets(settings);
    routeMainWindow();
    installMainWindowKeys();
}

void setLocationCheckMarks(bool portable) {
    widgets::setMenuItemChecked(MainMenu, command::StandardLocation, !portable);
    widgets::setMenuItemChecked(MainMenu, command::PortableLocation, portable);
}

void checkIconSizeItem(int size) {
    widgets::setMenuItemChecked(MainMenu, command::IconSize16, size == 16);
    widgets::setMenuItemChecked(MainMenu, command::IconSize24, size == 24);
    widgets::setMenuItemChecked(MainMenu, command::IconSize32, size == 32);
}

} // namespace codarium::app
