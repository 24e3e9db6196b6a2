#include "online/upload_window.h"

#include "online/submission_window_numbers.h"
#include "online/upload_progress.h"
#include "online/window_routes.h"
#include "online/worker_threads.h"
#include "platform/code_page.h"
#include "widgets/gadgets.h"
#include "widgets/image_gadget.h"
#include "widgets/keyboard.h"
#include "widgets/message_box.h"
#include "widgets/progress_gadget.h"
#include "widgets/text_gadgets.h"
#include "widgets/windows.h"

#include <utility>

namespace codarium::online {

void openUploadWindow(SubmissionRequest request) {
    constexpr int W = UploadWidth;
    constexpr int H = UploadHeight;
    constexpr int Window = UploadWindowNumber;
    if (!widgets::openWindow(Window, 0, 0, W, H, "WinAPI-Code senden", widgets::DialogFlags,
                             SubmissionWindowNumber)) {
        return;
    }
    routeUploadWindow();
    widgets::frameGadget(UploadFrame, Window, 10, 10, W - 20, H - 50, "Fortschritt");
    widgets::imageGadget(UploadIcon, Window, 20, 30, SubmitCodeIconSize, SubmitCodeIconSize,
                         SubmitCodeImage);
    widgets::textGadget(
        UploadPleaseWait, Window, 60, 30, W - 30, 20,
        platform::fromUtf8("Bitte warten Sie, bis Ihr Code vollständig gesendet wurde."));
    widgets::textGadget(UploadSizeText, Window, 60, 50, W - 30, 20, sizeText(0));
    widgets::progressBarGadget(UploadProgressBar, Window, 60, 70, W - 120, 20, 0, 0);
    // Right-aligned, ending at W - 20; wide enough for "100 %" in the
    // platform's dialog font, reaching a little into the gap after the bar.
    widgets::textGadget(UploadPercentText, Window, W - 58, 70, 38, 20, percentText(0),
                        widgets::TextRightAligned);
    widgets::buttonGadget(UploadCancelButton, Window, W - 110, H - 30, 100, 20, "Abbrechen");
    widgets::disableWindow(SubmissionWindowNumber, true);
    widgets::setDialogKeys(Window,
                           {.firstField = UploadCancelButton, .cancelButton = UploadCancelButton});

    uploadCancel().requested = false;
    // The thread's number is not kept: the worker ends by itself and reports
    // through the completion flags.
    const int thread = startThread(
        [request = std::move(request)](int, const StopToken& stop) { submitCode(request, stop); },
        0);
    if (thread == 0) {
        // Nothing will ever close window 3: back to window 2 at once.
        widgets::disableWindow(SubmissionWindowNumber, false);
        widgets::closeWindow(Window);
        widgets::messageRequester("WinAPI-Code senden", "Der Vorgang wurde abgebrochen.",
                                  widgets::MessageIcon::Warning);
    }
}

void cancelUpload() {
    // Only the flag: every wait of the worker and of its transfer watches it,
    // so the worker reports the cancel within a fraction of a second in every
    // phase, and the GUI thread never waits on the network.
    uploadCancel().requested = true;
}

} // namespace codarium::online
