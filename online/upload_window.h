#pragma once
// The upload window (window 3): the progress of a submission on its way to
// the server, and its "Abbrechen" button.
#include "online/submission_worker.h"

namespace codarium::online {

// Opens window 3 over window 2, disables window 2 and starts submitCode with
// the request on a worker thread.
void openUploadWindow(SubmissionRequest request);

// Button 307: asks the worker to stop and returns at once; the worker then
// reports the cancel ("Der Vorgang wurde abgebrochen.") and the event loop
// brings the user back to window 2. Also used when the program ends while a
// submission is on its way.
void cancelUpload();

} // namespace codarium::online
