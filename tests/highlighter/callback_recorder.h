#pragma once
// Records the calls of the plug-in's callback and checks each against the
// protocol: inside the passed text, in order without gaps, length at least 1,
// class 0 to 12, and only while SyntaxHighlight is running.
#include "highlighter/syntax_highlight.h"

#include <cstddef>
#include <string>
#include <vector>

namespace codarium::highlighter::testing {

struct RecordedRun {
    std::size_t offset;
    int length;
    int colour;
};

struct CallbackRecord {
    const char* text = nullptr;
    int length = 0;
    bool inCall = false;
    int result = 0;       // what the callback returns
    int throwAtCall = -1; // throw on this call (0-based), or never
    std::vector<RecordedRun> runs;
    std::vector<std::string> violations;
};

// The callback has no context argument, so the record it writes to is one
// per test process.
CallbackRecord& callbackRecord();
int recordingCallback(const char* position, int length, int colour);

using SyntaxHighlightFunction = void (*)(const char*, int, SyntaxHighlightCallback, int);

// Calls highlight on the text with the recording callback and returns the
// record; `length` defaults to the text's size.
CallbackRecord recordHighlight(SyntaxHighlightFunction highlight, const char* text, int length,
                               int result = 0, int throwAtCall = -1);

// Total bytes covered when the runs are contiguous from the start.
std::size_t coveredBytes(const CallbackRecord& record);

} // namespace codarium::highlighter::testing
