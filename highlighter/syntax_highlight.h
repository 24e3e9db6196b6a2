#pragma once
// The plug-in's entry point as a function of the core library, so that tests
// and the fuzzer exercise exactly what the plug-in exports.
//
// The callback receives a pointer into the passed text, a run's length in
// bytes (at least 1) and its class (0 to 12). Runs come in order and cover the
// text; every call happens before the function returns. The callback's result
// is ignored. A null text or callback, or a length below 1, colours nothing.
// Nothing escapes: an exception, even one thrown by the callback, ends the pass.

extern "C" {
using SyntaxHighlightCallback = int (*)(const char* position, int length, int colour);
}

namespace codarium::highlighter {

void syntaxHighlight(const char* text, int length, SyntaxHighlightCallback callback) noexcept;

} // namespace codarium::highlighter
