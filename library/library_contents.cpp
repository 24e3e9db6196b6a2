#include "library/library_contents.h"

#include "library/list_file.h"
#include "library/name_check.h"
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
        // The category is listed, but its code list is opened only through a
        // name that may become a path ("..", "a/b" or "Kategorien" would
        // read some other file).
        if (!isSafeName(category, NameKind::Category)) {
            continue;
        }
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
