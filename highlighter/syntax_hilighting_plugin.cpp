// The exported entry point of the SyntaxHilighting plug-in. Only this symbol
// leaves the library (hidden visibility for everything else, and
// syntax_hilighting.map for what the static parts bring along).
#include "highlighter/syntax_hilighting_plugin.h"

#include "highlighter/syntax_highlight.h"

extern "C" void SyntaxHighlight(const char* text, int length, SyntaxHighlightCallback callback,
                                int /*reserved*/) noexcept {
    codarium::highlighter::syntaxHighlight(text, length, callback);
}
