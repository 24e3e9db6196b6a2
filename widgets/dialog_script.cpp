#include "widgets/test_hooks.h"

#include <deque>
#include <mutex>

namespace codarium::widgets::testing {
namespace {

// The scripted answers, handed to the dialogs as their stand-in while
// scripting is on.
class DialogScript final : public DialogStandIn {
public:
    std::optional<MessageResult> answer(const MessageBoxQuestion& box) override {
        std::lock_guard guard(lock);
        messageBoxes.push_back(box);
        if (messageAnswers.empty()) {
            // The harmless answer: acknowledge, or decline a question.
            return box.buttons == MessageButtons::YesNo ? MessageResult::No : MessageResult::Ok;
        }
        const MessageResult answer = messageAnswers.front();
        messageAnswers.pop_front();
        return answer;
    }

    std::optional<std::string> answer(const FileDialogQuestion& dialog) override {
        std::lock_guard guard(lock);
        fileDialogs.push_back(dialog);
        if (fileAnswers.empty()) {
            return std::string();
        }
        std::string answer = fileAnswers.front();
        fileAnswers.pop_front();
        return answer;
    }

    std::mutex lock;
    std::deque<MessageResult> messageAnswers;
    std::deque<std::string> fileAnswers;
    std::vector<RecordedMessageBox> messageBoxes;
    std::vector<RecordedFileDialog> fileDialogs;
};

// Never destroyed: a worker's box may still ask it after the last test.
DialogScript& script() {
    static auto* s = new DialogScript;
    return *s;
}

} // namespace

void scriptDialogs(bool on) {
    DialogScript& s = script();
    std::lock_guard guard(s.lock);
    setDialogStandIn(on ? &s : nullptr);
    s.messageAnswers.clear();
    s.fileAnswers.clear();
    s.messageBoxes.clear();
    s.fileDialogs.clear();
}

void queueMessageBoxAnswer(MessageResult answer) {
    DialogScript& s = script();
    std::lock_guard guard(s.lock);
    s.messageAnswers.push_back(answer);
}

void queueFileDialogAnswer(std::string_view path) {
    DialogScript& s = script();
    std::lock_guard guard(s.lock);
    s.fileAnswers.emplace_back(path);
}

std::vector<RecordedMessageBox> recordedMessageBoxes() {
    DialogScript& s = script();
    std::lock_guard guard(s.lock);
    return s.messageBoxes;
}

std::vector<RecordedFileDialog> recordedFileDialogs() {
    DialogScript& s = script();
    std::lock_guard guard(s.lock);
    return s.fileDialogs;
}

void clearRecordedDialogs() {
    DialogScript& s = script();
    std::lock_guard guard(s.lock);
    s.messageBoxes.clear();
    s.fileDialogs.clear();
}

} // namespace codarium::widgets::testing
