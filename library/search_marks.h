#pragma once
// Marking the search text in the main code view after a code was picked in
// the search window. The marks belong to that one showing of that code: the
// next code shown (or a category) drops them.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace codarium::library {

struct MatchRange {
    std::size_t start = 0;
    std::size_t length = 0;
};

// Every occurrence of `needle` in `text` (Windows-1252 bytes), ignoring case
// as the code page folds it; overlapping occurrences all count. None for an
// empty needle.
std::vector<MatchRange> findMatches(std::string_view text, std::string_view needle);
// The same over UTF-8 text, with byte ranges of the UTF-8 text; characters
// outside the code page match nothing but "?".
std::vector<MatchRange> findMatchesInUtf8(std::string_view utf8, std::string_view needle);

// The code about to be shown from the search window and the text to mark.
void expectSearchMarks(std::string_view category, std::string_view title, std::string_view text);
// Called after the main view showed a code (category, title): marks the text
// and scrolls to its first occurrence when that code was expected, else
// removes any marks.
void updateSearchMarks(std::string_view category, std::string_view title);
// Removes the marks and forgets a pending request (the view was cleared).
void clearSearchMarks();

// The Scintilla indicator the marks use.
inline constexpr int SearchMarkIndicator = 8;

} // namespace codarium::library
