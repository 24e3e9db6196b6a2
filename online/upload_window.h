#pragma once
// The upload window (window 3): the progress of a submission on its way to
// the server, and its "Abbrechen" button.
#include "online/submission_worker.h"

namespace codarium::online {

// Opens window 3 over window 2, disables window 2 and starts submitCode with
// the request on a worker thread.
void openUploadWindow(SubmissionRequest request);

// Button 307: stops the transfer and waits until it has ended; the worker
// then reports the cancel.
void cancelUpload();

} // namespace codarium::online
