#pragma once
// Where a search text occurs in a code's text, for marking it in the view.
#include <cstddef>
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

} // namespace codarium::library
