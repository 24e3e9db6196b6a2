#pragma once
// A stand-in that answers the modal dialogs in place of a person: while one
// is set, every message box and file dialog asks it first, and an answer it
// gives is taken without showing anything. The tests' scripted answers are
// one (test_hooks.h); the program never sets one.
#include "widgets/message_box.h"

#include <optional>
#include <string>

namespace codarium::widgets {

struct MessageBoxQuestion {
    std::string title; // program text
    std::string text;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
};
struct FileDialogQuestion {
    std::string title;
    std::string proposedFile;
    std::string filter;
};

// Asked from any thread, so its answers must be thread-safe.
class DialogStandIn {
public:
    // Nothing: let the person answer.
    virtual std::optional<MessageResult> answer(const MessageBoxQuestion& box) = 0;
    virtual std::optional<std::string> answer(const FileDialogQuestion& dialog) = 0;

protected:
    ~DialogStandIn() = default;
};

// nullptr gives the dialogs back to the person. The stand-in must outlive
// every dialog that may still ask it.
void setDialogStandIn(DialogStandIn* standIn);
DialogStandIn* dialogStandIn();

} // namespace codarium::widgets
