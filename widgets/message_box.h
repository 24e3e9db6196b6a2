#pragma once
// Message boxes. Callable from any thread. On the GUI thread the box is modal.
// A worker's box is opened on the GUI thread without blocking it and without
// blocking the program's other windows; the worker waits for the answer (and
// for its cancel flag). While a stand-in answers (dialog_stand_in.h) no box
// is shown.
#include <atomic>
#include <string_view>

namespace codarium::widgets {

enum class MessageIcon { None, Error, Warning, Question, Information };
enum class MessageButtons { Ok, YesNo };
enum class MessageResult {
    Ok,
    Yes,
    No,
    Cancelled, // closed because `cancel` became true or the session ends, or no GUI
};

// Shows the box (texts are program text; CR ends a line) and returns the
// button chosen. When cancel is given, the box closes itself soon after
// *cancel becomes true and Cancelled is returned (a worker that is stopped
// from outside takes its open box with it). An already set cancel shows
// nothing.
MessageResult messageRequester(std::string_view title, std::string_view text, MessageIcon icon,
                               MessageButtons buttons = MessageButtons::Ok,
                               const std::atomic<bool>* cancel = nullptr);

// The usual error box: title "Fehler", error icon, OK.
void errorBox(std::string_view text);

} // namespace codarium::widgets
