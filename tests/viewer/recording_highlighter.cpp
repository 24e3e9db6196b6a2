// A highlighter plug-in for the tests: remembers what it was asked to colour
// and colours by a fixed, simple rule so that styles can be checked.
#include <cctype>
#include <cstdint>
#include <string>

using ColourRun = std::int32_t (*)(const char*, std::int32_t, std::int32_t);

namespace {
std::string lastText;
std::int32_t lastLength = -1;
bool lastTerminated = false;
int calls = 0;

// Letters 1, digits 9, a ';' comment to the line end 2, blanks and the rest 0.
std::int32_t classOf(const char* text, std::int32_t i, std::int32_t length, std::int32_t& runEnd) {
    const auto c = static_cast<unsigned char>(text[i]);
    runEnd = i + 1;
    if (c == ';') {
        while (runEnd < length && text[runEnd] != '\n') {
            ++runEnd;
        }
        return 2;
    }
    const auto same = [&](auto predicate) {
        while (runEnd < length && predicate(static_cast<unsigned char>(text[runEnd]))) {
            ++runEnd;
        }
    };
    if (std::isalpha(c)) {
        same([](unsigned char x) { return std::isalpha(x) != 0; });
        return 1;
    }
    if (std::isdigit(c)) {
        same([](unsigned char x) { return std::isdigit(x) != 0; });
        return 9;
    }
    return 0;
}
} // namespace

extern "C" {

__attribute__((visibility("default"))) void SyntaxHighlight(const char* text, std::int32_t length,
                                                            ColourRun callback, std::int32_t) {
    ++calls;
    lastLength = length;
    lastText.assign(text, static_cast<std::size_t>(length));
    lastTerminated = text[length] == '\0';
    for (std::int32_t i = 0; i < length;) {
        std::int32_t end = i;
        const std::int32_t colour = classOf(text, i, length, end);
        callback(text + i, end - i, colour);
        i = end;
    }
}

__attribute__((visibility("default"))) int recordedCalls() {
    return calls;
}
__attribute__((visibility("default"))) const char* recordedText() {
    return lastText.c_str();
}
__attribute__((visibility("default"))) std::int32_t recordedLength() {
    return lastLength;
}
__attribute__((visibility("default"))) bool recordedTerminated() {
    return lastTerminated;
}
}
