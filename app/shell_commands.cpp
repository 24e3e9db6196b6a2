#include "app/shell_commands.h"

#include "app/app_state.h"
#include "app/main_layout.h"
#include "app/main_window.h"
#include "app/main_window_numbers.h"
#include "app/settings.h"
#include "app/ui_text.h"
#include "library/search_window.h"
#include "platform/file_system.h"
#include "viewer/code_view.h"
#include "widgets/gadgets.h"
#include "widgets/menus.h"
#include "widgets/message_box.h"
#include "widgets/status_bar.h"
#include "widgets/toolbar.h"
#include "widgets/windows.h"

#include <string>

namespace codarium::app {
namespace {

void place(int gadget, const Rect& r) {
    widgets::resizeGadget(gadget, r.x, r.y, r.width, r.height);
}

} // namespace

void relayout() {
    using widgets::Ignore;
    const MainLayout l = mainWindowLayout(
        widgets::windowWidth(MainWindow), widgets::windowHeight(MainWindow),
        widgets::toolBarHeight(MainToolBar), widgets::statusBarHeight(MainStatusBar),
        widgets::windowMenuBarHeight(MainWindow));
    widgets::resizeGadget(SearchField, Ignore, Ignore, l.searchField.width, Ignore);
    widgets::resizeGadget(SearchButton, l.searchButton.x, Ignore, Ignore, Ignore);
    if (widgets::isGadget(MainSplitter)) {
        widgets::resizeGadget(MainSplitter, Ignore, Ignore, l.splitter.width, l.splitter.height);
    } else {
        place(LibraryTreeGadget, l.splitter);
    }
    if (widgets::isWindow(SearchWindow)) {
        library::relayoutSearchWindow();
    }
}

bool setToolbarIconSize(int size) {
    checkIconSizeItem(size);
    appSettings().toolbarIconSize = size;
    const widgets::MessageResult answer = widgets::messageRequester(
        ui("ToolBar-Icongröße ändern"),
        ui("Die Einstellung für die ToolBar-Icongröße wurde jetzt geändert.\r"
           "Damit die Änderung wirksam wird, muss die Anwendung neu gestartet werden.\r"
           "Möchten Sie die Anwendung jetzt neu starten?"),
        widgets::MessageIcon::Question, widgets::MessageButtons::YesNo);
    if (answer != widgets::MessageResult::Yes) {
        return false;
    }
    startupState().RestartRequested = 1;
    return true;
}

void toggleWordWrap() {
    AppSettings& s = appSettings();
    s.wordWrap = s.wordWrap == 1 ? 0 : 1;
    widgets::setMenuItemChecked(MainMenu, command::WordWrap, s.wordWrap == 1);
    viewer::setWordWrap(CodeViewGadget, s.wordWrap == 1);
}

void showAbout() {
    const std::string text = std::string(ProgramIdentity::ProgramName) + " " +
                             std::string(ProgramIdentity::ProgramVersion) +
                             "\r"
                             "Beispiele für die Programmierung der WinAPI mit PureBasic.\r"
                             "\r"
                             "Ein Programm von Marvolt.\r"
                             "Web: https://www.codarium.invalid\r"
                             "E-Mail: kontakt@codarium.invalid\r"
                             "\r"
                             "Die Icons wurden eigens für Codarium gezeichnet.";
    widgets::messageRequester(ui("Information  "), ui(text), widgets::MessageIcon::Information,
                              widgets::MessageButtons::Ok);
}

void useStandardLocation() {
    widgets::setMenuItemChecked(MainMenu, command::StandardLocation, true);
    widgets::setMenuItemChecked(MainMenu, command::PortableLocation, false);
    platform::removeFile(PortableSettingsFile);
}

void usePortableLocation() {
    widgets::setMenuItemChecked(MainMenu, command::StandardLocation, false);
    widgets::setMenuItemChecked(MainMenu, command::PortableLocation, true);
    platform::copyFileReplacing(standardSettingsPath(), PortableSettingsFile);
}

} // namespace codarium::app
