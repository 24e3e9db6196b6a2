#pragma once
// The wait window of the update check (window 10) and the check's worker.
#include "online/update_check.h"

namespace codarium::online {

// Command "Actualiser    ": opens window 10 and starts the check on a
// worker thread. While window 10 is open (a check runs, or has ended and the
// window waits for the next event to close it) it is brought to the front and
// nothing is started.
void openUpdateWaitWindow(const UpdateSource& source);

// Button "Abbrechen": stops the check at once (its open box closes, nothing
// of it appears afterwards) and closes window 10.
void cancelUpdateCheck();

// UpdateThread: the number of the last check's thread, 0 before the first.
int updateThread();

// The worker's whole run: the check, then what it publishes (the completion
// flag, or the request to hand over to the updater) unless it was stopped.
void runUpdateCheck(const UpdateSource& source, const StopToken& stop);

} // namespace codarium::online
