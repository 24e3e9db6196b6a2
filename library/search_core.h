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
};

// Every file with the extension "pb" (exactly, lower case) below `root`
// whose name (".pb" included) or content contains `text`, untrimmed. Each
// folder's entries are taken in alphabetical order regardless of case,
// depth first; a file is listed at most once; files that cannot be read are
// left out. Folders reached twice through links are searched once. Only
// regular files are read: a FIFO or device is skipped, never waited on.
//
// The folders are walked on the calling thread; the files are then read and
// matched on `threads` threads (0: one per processor core, at most a few),
// the caller being one of them. The rows and their order do not depend on
// the number of threads.
std::vector<SearchResult> searchCodes(std::string_view root, std::string_view text,
                                      unsigned threads = 0);

// The order of entries within a folder.
bool searchOrderLess(std::string_view a, std::string_view b);

} // namespace codarium::library
