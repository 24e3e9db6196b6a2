#include "library/library_contents.h"

#include "library/list_file.h"
#include "library/store_paths.h"

namespace codarium::library {

LibraryContents readLibraryContents() {
    LibraryContents contents;
    const auto categories = readLinesIfOpened(categoryListPath());
    if (!categories) {
        return contents;
    }
    contents.items.reserve(categories->size());
    for (const auto& category : *categories) {
        contents.items.push_back({category, 0});
        ++contents.categories;
        for (auto& title : readLines(codeListPath(category))) {
            contents.items.push_back({std::move(title), 1});
            ++contents.codes;
        }
    }
    return contents;
}

std::string libraryStatusText(int categories, int codes) {
    return std::to_string(categories) + " Kategorien, " + std::to_string(codes) + " Codes";
}

} // namespace codarium::library
