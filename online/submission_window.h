#pragma once
// The submission dialog (window 2): author, e-mail address, title, category
// and an editable code view, sent with "Senden".
namespace codarium::online {

// Command 10: opens window 2 over the main window, which it disables.
void openSubmissionDialog();

// Button 214: a code longer than the limit gets a warning and changes
// nothing; otherwise the upload window opens and the worker starts.
void sendSubmission();

} // namespace codarium::online
