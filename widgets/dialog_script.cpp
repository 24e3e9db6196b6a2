#include "widgets/internal_script.h"

#include <deque>
#include <mutex>

namespace codarium::widgets {
namespace {

struct DialogScript {
    std::mutex lock;
    bool on = false;
    std::deque<MessageResult> messageAnswers;
    std::deque<std::string> fileAnswers;
    std::vector<testing::RecordedMessageBox> messageBoxes;
    std::vector<testing::RecordedFileDialog> fileDialogs;
};

DialogScript& script() {
    static DialogScript s;
    return s;
}

} // namespace

namespace detail {

std::optional<MessageResult> scriptedMessageBox(const testing::RecordedMessageBox& box) {
    DialogScript& s = script();
    std::lock_guard guard(s.lock);
    if (!s.on) {
        return std::nullopt;
    }
    s.messageBoxes.push_back(box);
    if (s.messageAnswers.empty()) {
        // The harmless answer: acknowledge, or decline a question.
        return box.buttons == MessageButtons::YesNo ? MessageResult::No : MessageResult::Ok;
    }
    const MessageResult answer = s.messageAnswers.front();
    s.messageAnswers.pop_front();
    return answer;
}

std::optional<std::string> scriptedFileDialog(const testing::RecordedFileDialog& dialog) {
    DialogScript& s = script();
    std::lock_guard guard(s.lock);
    if (!s.on) {
        return std::nullopt;
    }
    s.fileDialogs.push_back(dialog);
    if (s.fileAnswers.empty()) {
        return std::string();
    }
    std::string answer = s.fileAnswers.front();
    s.fileAnswers.pop_front();
    return answer;
}

} // namespace detail

namespace testing {

void scriptDialogs(bool on) {
    DialogScript& s = script();
    std::lock_guard guard(s.lock);
    s.on = on;
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

} // namespace testing
} // namespace codarium::widgets
