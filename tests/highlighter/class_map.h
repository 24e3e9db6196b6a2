#pragma once
// Test helpers: the class of every byte of a text, and the readable form in
// which the golden files store it.
#include "highlighter/highlight_class.h"

#include <string>
#include <string_view>
#include <vector>

namespace codarium::highlighter::testing {

// One class per byte, from the lexer.
std::vector<HighlightClass> classMapOf(std::string_view text);

// The same, colouring every line (up to and including its '\n' or '\r') on
// its own, as the view does when it restarts at a line start.
std::vector<HighlightClass> lineByLineClassMapOf(std::string_view text);

// The text with "{n}" before every stretch of class n, as the .styled files
// hold it. A change of class is marked where it happens, a line end does not
// repeat the mark.
std::string styledText(std::string_view text, const std::vector<HighlightClass>& classes);

// LF line ends replaced by CR LF.
std::string withCrLf(std::string_view text);

// The classes of a CR LF text with the entries of the inserted CRs removed.
std::vector<HighlightClass> withoutCrEntries(std::string_view crLfText,
                                             const std::vector<HighlightClass>& classes);

std::string readFile(const std::string& path);
bool writeFile(const std::string& path, std::string_view content);

} // namespace codarium::highlighter::testing
