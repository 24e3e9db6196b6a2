#include "online/submission_worker.h"

#include "online/online_state.h"
#include "online/submission_file.h"
#include "online/submission_window_numbers.h"
#include "online/upload_progress.h"
#include "online/worker_flags.h"
#include "online/worker_threads.h"
#include "platform/code_page.h"
#include "runtime/ftp_client.h"
#include "widgets/gadgets.h"
#include "widgets/message_box.h"
#include "widgets/progress_gadget.h"
#include "widgets/window_event.h"

#include <chrono>
#include <limits>
#include <optional>
#include <thread>

namespace codarium::online {
namespace {

constexpr auto PollInterval = std::chrono::milliseconds(100);
// The pause is cut into slices this long, so that a cancel is acted on at
// once rather than after the rest of the pause.
constexpr auto PauseSlice = std::chrono::milliseconds(10);
// Every wait of a cancelled transfer ends within a fraction of this.
constexpr auto CancelGrace = std::chrono::milliseconds(500);

bool transferEnded(std::int32_t state) {
    return state == TransferFailed || state == TransferDone;
}

// The bar takes int positions; the file is never near that limit.
int barValue(std::int64_t position) {
    return static_cast<int>(std::min<std::int64_t>(position, std::numeric_limits<int>::max()));
}

void showProgress(std::int32_t state, std::int64_t size) {
    if (const std::optional<std::int64_t> position = barPosition(state, size)) {
        widgets::setProgressValue(UploadProgressBar, barValue(*position));
        widgets::setGadgetText(UploadPercentText, percentText(percentOf(*position, size)));
    }
}

// Sleeps for the poll interval, or less when a cancel comes meanwhile.
void pause(const StopToken& cancel, const StopToken& stop) {
    for (std::chrono::milliseconds paused{0}; paused < PollInterval && !cancel && !stop;
         paused += PauseSlice) {
        std::this_thread::sleep_for(PauseSlice);
    }
}

// Stops the transfer and waits briefly for its end, which comes within a
// fraction of a second. The server may have confirmed the whole file just
// before the cancel; the code was then sent, and the user is told so. The
// withdrawal of a part the server holds goes on without the worker.
SubmissionOutcome endCancelledTransfer() {
    cancelTransfer(SubmissionConnection);
    const auto until = std::chrono::steady_clock::now() + CancelGrace;
    std::int32_t state = transferState(SubmissionConnection);
    while (!transferEnded(state) && std::chrono::steady_clock::now() < until) {
        std::this_thread::sleep_for(PauseSlice);
        state = transferState(SubmissionConnection);
    }
    return state == TransferDone ? SubmissionOutcome::Sent : SubmissionOutcome::Cancelled;
}

void reportOutcome(SubmissionOutcome outcome, const StopToken& stop) {
    const auto text = [](std::string_view utf8) { return platform::fromUtf8(utf8); };
    switch (outcome) {
    case SubmissionOutcome::FileNotWritten:
        widgets::messageRequester(
            "Fehler", text("Ihr Code konnte im Temp-Verzeichnis nicht erstellt werden."),
            widgets::MessageIcon::Error, widgets::MessageButtons::Ok, &stop);
        break;
    case SubmissionOutcome::NoConnection:
        widgets::messageRequester("Fehler",
                                  text("Eine Verbindung zum FTP-Server konnte nicht hergestellt "
                                       "werden.\rVersuchen Sie es später noch einmal."),
                                  widgets::MessageIcon::Error, widgets::MessageButtons::Ok, &stop);
        break;
    case SubmissionOutcome::Cancelled:
        widgets::messageRequester("WinAPI-Code senden", "Der Vorgang wurde abgebrochen.",
                                  widgets::MessageIcon::Warning, widgets::MessageButtons::Ok,
                                  &stop);
        break;
    case SubmissionOutcome::Sent:
        widgets::messageRequester(
            "WinAPI-Code senden",
            text("Ihr Code wurde erfolgreich gesendet.\rVielen Dank für Ihre Mitarbeit."),
            widgets::MessageIcon::Information, widgets::MessageButtons::Ok, &stop);
        break;
    }
}

} // namespace

UploadCancel& uploadCancel() {
    return onlineState().uploadCancel;
}

SubmissionOutcome runSubmission(const SubmissionRequest& request, const StopToken& stop) {
    const StopToken& cancel = uploadCancel().requested;
    const auto cancelled = [&] { return cancel.load() || stop.load(); };
    ensureNetworkStarted();
    if (!writeSubmissionFile(request.filePath, request.fileBytes)) {
        return SubmissionOutcome::FileNotWritten;
    }
    const auto size = static_cast<std::int64_t>(request.fileBytes.size());
    widgets::setGadgetText(UploadSizeText, sizeText(size));
    widgets::setProgressRange(UploadProgressBar, 0, barValue(size));

    const SubmissionServer& server = request.server;
    if (ftpConnect(SubmissionConnection, server.host, server.user, server.password, server.port,
                   ftp::DefaultReplyLimitSeconds, &cancel) == 0) {
        return cancelled() ? SubmissionOutcome::Cancelled : SubmissionOutcome::NoConnection;
    }
    if (cancelled()) {
        return SubmissionOutcome::Cancelled;
    }
    if (uploadFile(SubmissionConnection, request.filePath, remoteFileName(localNow())) == 0) {
        return SubmissionOutcome::Cancelled;
    }
    for (;;) {
        const std::int32_t state = transferState(SubmissionConnection);
        showProgress(state, size);
        if (transferEnded(state)) {
            return state == TransferDone ? SubmissionOutcome::Sent : SubmissionOutcome::Cancelled;
        }
        if (cancelled()) {
            return endCancelledTransfer();
        }
        pause(cancel, stop);
    }
}

void submitCode(const SubmissionRequest& request, const StopToken& stop) {
    const SubmissionOutcome outcome = runSubmission(request, stop);
    reportOutcome(outcome, stop);
    publishUnlessStopped(stop, [outcome] {
        WorkerFlags& flags = workerFlags();
        flags.UploadFinished = 1;
        if (outcome == SubmissionOutcome::Sent) {
            flags.SubmissionFinished = 1;
        }
        // The loop acts on the flags after its next event: this is that event.
        widgets::postWindowEvent({.kind = widgets::EventKind::WakeUp});
    });
}

} // namespace codarium::online
