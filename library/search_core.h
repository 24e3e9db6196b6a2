#pragma once
// Finding the codes whose file name or source text contains a text, ignoring
// case as the code page folds it. Reads the source folders directly, not the
// lists; the window around it only shows the rows.
#include <string>
#include <string_view>
#include <vector>

namespace codarium::library {

struct SearchResult {
    std::string name;     // the file name without its ".pb"
    std::string category; // the folder below the searched one ("" for that folder itself)
    // Where the content matched first: the line's number from 1 and its text
    // (cut at MatchLineLimit bytes); 0 and "" when only the name matched or
    // lines were not collected.
    int line = 0;
    std::string lineText;
};

inline constexpr std::size_t MatchLineLimit = 200;

enum class MatchLines { Collected, Skipped };

// Every file with the extension "pb" (exactly, lower case) below `root`
// whose name (".pb" included) or content contains `text`, untrimmed. Each
// folder's entries are taken in alphabetical order regardless of case,
// depth first; a file is listed at most once; files that cannot be read are
// left out. Folders reached twice through links are searched once. Only
// regular files are read: a FIFO or device is skipped, never waited on.
// With MatchLines::Collected the first matching line of each result comes
// from the same read and the same scan that decide the match.
//
// The folders are walked on the calling thread; the files are then read and
// matched on `threads` threads (0: one per processor core, at most a few),
// the caller being one of them. The rows and their order do not depend on
// the number of threads.
std::vector<SearchResult> searchCodes(std::string_view root, std::string_view text,
                                      MatchLines lines = MatchLines::Collected,
                                      unsigned threads = 0);

// Every source file below `root`, in the same order, that calls the API
// function `function` (its name without the '_', any case) by the
// highlighter's rules: a mention in a comment or a string, or a file named
// after it, does not count. The line is that of its first call.
std::vector<SearchResult> searchCallers(std::string_view root, std::string_view function,
                                        MatchLines lines = MatchLines::Collected,
                                        unsigned threads = 0);

// A result row's tooltip: "Zeile N: text" for a content match, "Name" when
// only the name matched.
std::string matchToolTip(const SearchResult& result);

// The order of entries within a folder.
bool searchOrderLess(std::string_view a, std::string_view b);

} // namespace codarium::library
