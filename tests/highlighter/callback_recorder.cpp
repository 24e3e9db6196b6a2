#include "callback_recorder.h"

#include <stdexcept>

namespace codarium::highlighter::testing {

CallbackRecord& callbackRecord() {
    static CallbackRecord record;
    return record;
}

int recordingCallback(const char* position, int length, int colour) {
    CallbackRecord& r = callbackRecord();
    const std::size_t index = r.runs.size();
    const std::size_t expected =
        index == 0 ? 0 : r.runs.back().offset + static_cast<std::size_t>(r.runs.back().length);
    if (!r.inCall)
        r.violations.push_back("call after SyntaxHighlight returned");
    if (position < r.text || position > r.text + r.length) {
        r.violations.push_back("position outside the text");
        return r.result;
    }
    const auto offset = static_cast<std::size_t>(position - r.text);
    if (offset != expected)
        r.violations.push_back("run at " + std::to_string(offset) + ", expected " +
                               std::to_string(expected));
    if (length < 1 || length > r.length - static_cast<int>(offset))
        r.violations.push_back("bad length " + std::to_string(length));
    if (colour < 0 || colour > 12)
        r.violations.push_back("bad class " + std::to_string(colour));
    r.runs.push_back({offset, length, colour});
    if (static_cast<int>(index) == r.throwAtCall)
        throw std::runtime_error("callback failure");
    return r.result;
}

CallbackRecord recordHighlight(SyntaxHighlightFunction highlight, const char* text, int length,
                               int result, int throwAtCall) {
    CallbackRecord& r = callbackRecord();
    r = CallbackRecord{};
    r.text = text;
    r.length = length;
    r.result = result;
    r.throwAtCall = throwAtCall;
    r.inCall = true;
    highlight(text, length, &recordingCallback, 0);
    r.inCall = false;
    return r;
}

std::size_t coveredBytes(const CallbackRecord& record) {
    std::size_t covered = 0;
    for (const auto& run : record.runs) {
        if (run.offset != covered)
            break;
        covered += static_cast<std::size_t>(run.length);
    }
    return covered;
}

} // namespace codarium::highlighter::testing
