#pragma once
// The plug-in's entry point as a function of the core library, so that tests
// and the fuzzer exercise exactly what the plug-in exports; its contract is
// the plug-in interface's.
#include "highlighter/syntax_hilighting_plugin.h"

namespace codarium::highlighter {

void syntaxHighlight(const char* text, int length, SyntaxHighlightCallback callback) noexcept;

} // namespace codarium::highlighter
