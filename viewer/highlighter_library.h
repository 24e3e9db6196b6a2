#pragma once
// The highlighter plug-in: a shared library exporting SyntaxHighlight, as its
// interface header declares it.
#include "highlighter/syntax_hilighting_plugin.h"

#include <string_view>

namespace codarium::viewer {

// Called once per coloured run, before SyntaxHighlight returns.
using ColourRunFunction = SyntaxHighlightCallback;
using SyntaxHighlightFunction = SyntaxHighlightEntry;

// Loads the library by path (a relative path against the working directory)
// and looks up its entry point; nullptr when either fails. A library once
// loaded stays loaded for the rest of the process.
SyntaxHighlightFunction loadSyntaxHighlighter(std::string_view path);

} // namespace codarium::viewer
