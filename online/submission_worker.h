#pragma once
// The submission worker: writes the submission file, sends it to the FTP
// server while window 3 shows the progress, and tells the user how it went.
#include "online/submission_server.h"
#include "runtime/tcp_connection.h"

#include <atomic>
#include <string>

namespace codarium::online {

// Everything the worker needs, taken on the GUI thread before it starts: the
// worker reads no widget.
struct SubmissionRequest {
    std::string filePath;  // where the submission file is written
    std::string fileBytes; // its exact contents
    SubmissionServer server;
};

enum class SubmissionOutcome {
    FileNotWritten, // the submission file could not be written
    NoConnection,   // connect or login failed
    Cancelled,      // refused, broken or cancelled transfer
    Sent,
};

// Set by "Abbrechen" in window 3. The connect, every wait of the login and
// the worker's polling of the transfer watch it.
struct UploadCancel {
    std::atomic<bool> requested{false};
};
UploadCancel& uploadCancel();

// FTP connection number of submissions.
inline constexpr int SubmissionConnection = 1;

// Writes the file, connects as connection 1 (a previous connection under that
// number quits first), uploads under a name made of the local time, and
// shows size, bar and percentage in window 3 every 100 ms until the transfer
// has ended. A cancel (or `stop`, the program is ending) ends it within a
// fraction of a second in every phase.
SubmissionOutcome runSubmission(const SubmissionRequest& request, const StopToken& stop);

// The thread procedure: runSubmission, the box that reports the outcome, then
// UploadFinished (and SubmissionFinished after success) and a wake-up for the
// event loop.
void submitCode(const SubmissionRequest& request, const StopToken& stop);

} // namespace codarium::online
