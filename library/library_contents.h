#pragma once
// The library as the tree shows it, read from the lists: every category in
// the order of the category list, each followed by the codes of its code
// list. Kept as plain data so that it can be checked without a display.
#include <string>
#include <string_view>
#include <vector>

namespace codarium::library {

struct LibraryItem {
    std::string text; // category name or code title, exactly as the list line
    int level = 0;    // 0 category, 1 code
};

struct LibraryContents {
    std::vector<LibraryItem> items; // flat order: each category, then its codes
    int categories = 0;
    int codes = 0;
};

// A missing category list gives an empty library, a missing code list a
// category without codes; every line counts, an empty one too. A category
// whose name the name check refuses is listed without codes: its code list
// is not opened.
LibraryContents readLibraryContents();

// "<n> Kategorien, <m> Codes"; the words stay the same for 0 and 1.
std::string libraryStatusText(int categories, int codes);

} // namespace codarium::library
