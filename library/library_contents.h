#pragma once
// The library as the tree shows it, read from the lists: every category in
// the order of the category list, each followed by the codes of its code
// list. Kept as plain data so that it can be checked without a display.
#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace codarium::library {

struct LibraryItem {
    std::string_view text; // category name or code title, exactly as the list line
    int level = 0;         // 0 category, 1 code
};

// The items' texts point into the lists' bytes, which the contents keep: one
// block per list rather than a string per line, so that a library of many
// codes is held once more while the tree takes it, not three times. Moving
// keeps the texts where they are; a copy would point into the original, so
// there is none.
struct LibraryContents {
    LibraryContents() = default;
    LibraryContents(LibraryContents&&) = default;
    LibraryContents& operator=(LibraryContents&&) = default;
    LibraryContents(const LibraryContents&) = delete;
    LibraryContents& operator=(const LibraryContents&) = delete;

    std::vector<LibraryItem> items; // flat order: each category, then its codes
    int categories = 0;
    int codes = 0;
    std::deque<std::string> lists; // adding one moves none of the others
};

// A missing category list gives an empty library, a missing code list a
// category without codes; every line counts, an empty one too. A category
// whose name the name check refuses is listed without codes: its code list
// is not opened.
LibraryContents readLibraryContents();

// "<n> Kategorien, <m> Codes"; the words stay the same for 0 and 1.
std::string libraryStatusText(int categories, int codes);

} // namespace codarium::library
