#pragma once
// The submission dialog (window 2): author, e-mail address, title, category
// and an editable code view, sent with "Senden".
#include <string_view>

namespace codarium::online {

// Command 10: opens window 2 over the main window, which it disables. The
// view is coloured by the highlighter plug-in at `highlighterPath`.
void openSubmissionDialog(std::string_view highlighterPath);

// Button 214: a code longer than the limit gets a warning and changes
// nothing; otherwise the upload window opens and the worker starts.
void sendSubmission();

} // namespace codarium::online
