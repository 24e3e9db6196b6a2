// A faulty highlighter plug-in for the tests: reports runs that start before
// the text it was given and runs that reach past its end.
#include <cstdint>

using ColourRun = std::int32_t (*)(const char*, std::int32_t, std::int32_t);

extern "C" __attribute__((visibility("default"))) void
SyntaxHighlight(const char* text, std::int32_t length, ColourRun callback, std::int32_t) {
    callback(text - 4, 8, 7);
    callback(text, length + 50, 5);
    callback(text + length, 10, 6);
    callback(text, -3, 3);
}
