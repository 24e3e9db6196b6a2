#include "app/shutdown.h"

#include "app/app_state.h"
#include "app/main_window_numbers.h"
#include "app/zoom_rule.h"
#include "runtime/run_program.h"
#include "viewer/code_view.h"
#include "widgets/gadgets.h"
#include "widgets/scintilla_gadget.h"
#include "widgets/splitter_gadget.h"
#include "widgets/windows.h"

namespace codarium::app {

WindowSnapshot mainWindowSnapshot() {
    WindowSnapshot s;
    switch (widgets::windowState(MainWindow)) {
    case widgets::WindowState::Normal:
        s.state = WindowSnapshot::State::Normal;
        break;
    case widgets::WindowState::Maximized:
        s.state = WindowSnapshot::State::Maximized;
        break;
    case widgets::WindowState::Minimized:
        s.state = WindowSnapshot::State::Minimized;
        break;
    }
    // The inner size as the window was opened with: client plus menu bar.
    s.innerWidth = widgets::windowWidth(MainWindow);
    s.innerHeight = widgets::windowHeight(MainWindow);
    s.splitterPosition = widgets::isGadget(MainSplitter) ? widgets::splitterPosition(MainSplitter)
                                                         : appSettings().splitterPosition;
    return s;
}

bool saveSettingsAtExit() {
    // The view zooms by Ctrl+wheel on its own as well as by the commands.
    if (widgets::isScintillaGadget(CodeViewGadget)) {
        appSettings().zoom = zoomFromSetting(viewer::zoom(CodeViewGadget));
    }
    return writeSettings(settingsFileInUse(), appSettings(), mainWindowSnapshot());
}

bool restartIfRequested(std::string_view executable) {
    if (startupState().RestartRequested != 1) {
        return false;
    }
    return runProgram(executable, "", "") != 0;
}

void shutDown(std::string_view executable) {
    saveSettingsAtExit();
    restartIfRequested(executable);
}

} // namespace codarium::app
