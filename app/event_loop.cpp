#include "app/event_loop.h"

#include "app/app_state.h"
#include "app/command_routes.h"
#include "app/main_window_numbers.h"
#include "app/shell_commands.h"
#include "online/submission_window_numbers.h"
#include "online/update_window_numbers.h"
#include "online/updater_start.h"
#include "widgets/gadget_routes.h"
#include "widgets/windows.h"

namespace codarium::app {

using widgets::EventKind;

void actOnCompletionFlags() {
    WorkerFlags& flags = workerFlags();
    if (flags.UploadFinished.exchange(0) == 1) {
        closeDialog(UploadWindow, SubmissionWindow);
    }
    if (flags.SubmissionFinished.exchange(0) == 1) {
        closeDialog(SubmissionWindow, MainWindow);
    }
    if (flags.UpdateCheckFinished.exchange(0) == 1) {
        widgets::closeWindow(UpdateWaitWindow);
    }
}

void dispatchGadget(const widgets::WindowEvent& event) {
    // Events of gadgets that no window routes are ignored.
    static_cast<void>(widgets::runGadgetRoute(event));
}

bool handleEvent(const widgets::WindowEvent& event) {
    actOnCompletionFlags();
    switch (event.kind) {
    case EventKind::SizeWindow:
        relayout();
        return false;
    case EventKind::Menu:
        return dispatchCommand(event.command, event.byKeyboard);
    case EventKind::Gadget:
        dispatchGadget(event);
        return false;
    case EventKind::CloseWindow:
        return true;
    case EventKind::WakeUp:
    case EventKind::None:
        return false;
    }
    return false;
}

LoopEnd runEventLoop() {
    while (true) {
        const widgets::WindowEvent event = widgets::waitWindowEvent();
        const bool close = handleEvent(event);
        if (online::updaterRequested()) {
            return LoopEnd::UpdaterHandOver;
        }
        if (close) {
            return LoopEnd::CloseRequest;
        }
    }
}

} // namespace codarium::app
