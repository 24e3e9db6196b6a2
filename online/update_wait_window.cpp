#include "online/update_wait_window.h"

#include "online/online_state.h"
#include "online/update_texts.h"
#include "online/update_window_numbers.h"
#include "online/window_routes.h"
#include "online/worker_flags.h"
#include "online/worker_threads.h"
#include "platform/code_page.h"
#include "widgets/image_gadget.h"
#include "widgets/keyboard.h"
#include "widgets/progress_gadget.h"
#include "widgets/text_gadgets.h"
#include "widgets/window_event.h"
#include "widgets/windows.h"

namespace codarium::online {
namespace {

constexpr int Width = 500;
constexpr int Height = 120;
// The icon's 48 pixels at x 20 would reach into the text at x 60; it is
// shown at this size, as in the administrator's dialogs.
constexpr int IconSize = 32;

void addGadgets() {
    const int w = Width, h = Height;
    widgets::frameGadget(UpdateFrame, UpdateWaitWindow, 10, 10, w - 20, h - 50);
    widgets::imageGadget(UpdateIcon, UpdateWaitWindow, 20, 30, IconSize, IconSize, UpdateIconImage);
    // Room for two lines above the bar: with the desktop's usual fonts the
    // text does not fit in one line of this width.
    widgets::textGadget(UpdateWaitText, UpdateWaitWindow, 60, 18, w - 80, 32,
                        "Bitte warten Sie, bis die Suche nach neuen Updates abgeschlossen wurde.");
    widgets::progressBarGadget(UpdateProgressBar, UpdateWaitWindow, 60, 50, w - 80, 20, 0, 100,
                               widgets::ProgressStyle::Marquee);
    widgets::buttonGadget(UpdateCancelButton, UpdateWaitWindow, w - 110, h - 30, 100, 20,
                          "Abbrechen");
}

} // namespace

void openUpdateWaitWindow(const UpdateSource& source) {
    if (widgets::isWindow(UpdateWaitWindow)) {
        widgets::bringWindowToFront(UpdateWaitWindow);
        return;
    }
    // The close box is left out, and a close request from the window manager
    // is dropped: the check ends through its own boxes or "Abbrechen".
    const widgets::WindowFlags flags =
        widgets::WindowTitleBar | widgets::WindowParentCentered | widgets::WindowNoCloseEntry;
    if (!widgets::openWindow(UpdateWaitWindow, 0, 0, Width, Height, UpdateCaption, flags,
                             OwnerWindow)) {
        return;
    }
    routeUpdateWaitWindow();
    addGadgets();
    widgets::setDialogKeys(UpdateWaitWindow,
                           {.firstField = UpdateCancelButton, .cancelButton = UpdateCancelButton});
    // A check that was stopped earlier may still be unwinding; its flags never
    // land, so a stale "finished" cannot close this window.
    workerFlags().UpdateCheckFinished = 0;
    onlineState().updateThread =
        startThread([source](int, const StopToken& stop) { runUpdateCheck(source, stop); }, 0);
}

void cancelUpdateCheck() {
    killThread(onlineState().updateThread);
    widgets::closeWindow(UpdateWaitWindow);
}

int updateThread() {
    return onlineState().updateThread;
}

void runUpdateCheck(const UpdateSource& source, const StopToken& stop) {
    FingerprintBuffer buffer;
    const UpdateCheckEnd end = checkForUpdate(source, buffer, stop);
    if (end == UpdateCheckEnd::Stopped) {
        return;
    }
    const bool published = publishUnlessStopped(stop, [end] {
        if (end == UpdateCheckEnd::Accepted) {
            workerFlags().UpdaterRequested = 1;
        } else {
            workerFlags().UpdateCheckFinished = 1;
        }
    });
    if (published) {
        widgets::postWindowEvent({widgets::EventKind::WakeUp});
    }
}

} // namespace codarium::online
