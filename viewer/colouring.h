#pragma once
// Colouring a code view through the highlighter: each style-needed
// notification colours from the start of the first unstyled line to the
// position Scintilla asks for.
#include "viewer/highlighter_library.h"

#include <cstdint>
#include <vector>

namespace codarium::viewer {

// Shared by every view: the runs of one notification are all styled before
// the next notification arrives.
struct ColouringState {
    int view = -1;                                    // gadget of the notification being handled
    std::intptr_t start = 0;                          // text position of the copy's first byte
    std::vector<char> textCopy;                       // the bytes being coloured, zero-terminated
    SyntaxHighlightFunction colourFunction = nullptr; // set by the last successful creation
};

ColouringState& colouringState();

// The view's notification callback; acts on style-needed notifications only.
void codeViewNotification(int gadget, int code, std::intptr_t position);

// The highlighter's callback: styles one run of the copy with its class.
std::int32_t colourRun(const char* position, std::int32_t length, std::int32_t colour);

} // namespace codarium::viewer
