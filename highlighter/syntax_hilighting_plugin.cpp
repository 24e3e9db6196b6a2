// The exported entry point of the SyntaxHilighting plug-in. Only this symbol
// leaves the library (see syntax_hilighting.map and the hidden visibility).
#include "highlighter/syntax_highlight.h"

extern "C" __attribute__((visibility("default"))) void
SyntaxHighlight(const char* text, int length, SyntaxHighlightCallback callback,
                int /*reserved*/) noexcept {
    codarium::highlighter::syntaxHighlight(text, length, callback);
}
