// The exported entry point of the SyntaxHilighting plug-in. Only this symbol
// leaves the library (hidden visibility for everything else, and
// syntax_hilighting.map for what the static parts bring along).
#include "highlighter/syntax_highlight.h"

#if defined(_WIN32)
#define CODARIUM_PLUGIN_EXPORT __declspec(dllexport)
#else
#define CODARIUM_PLUGIN_EXPORT __attribute__((visibility("default")))
#endif

// The fourth argument is reserved; callers pass 0 and it is not read.
extern "C" CODARIUM_PLUGIN_EXPORT void SyntaxHighlight(const char* text, int length,
                                                       SyntaxHighlightCallback callback,
                                                       int /*reserved*/) noexcept {
    codarium::highlighter::syntaxHighlight(text, length, callback);
}
