#pragma once
// The highlighter plug-in: a shared library exporting "SyntaxHighlight".
#include <cstdint>
#include <string_view>

namespace codarium::viewer {

// Called once per coloured run, before SyntaxHighlight returns: a position
// inside the text passed, the run's length in bytes and its class (0 to 12).
using ColourRunFunction = std::int32_t (*)(const char* position, std::int32_t length,
                                           std::int32_t colour);
// SyntaxHighlight(text, length, callback, 0); text is zero-terminated.
using SyntaxHighlightFunction = void (*)(const char* text, std::int32_t length,
                                         ColourRunFunction callback, std::int32_t asmFlag);

// Loads the library by path (a relative path against the working directory)
// and looks up "SyntaxHighlight"; nullptr when either fails. A library once
// loaded stays loaded for the rest of the process.
SyntaxHighlightFunction loadSyntaxHighlighter(std::string_view path);

} // namespace codarium::viewer
