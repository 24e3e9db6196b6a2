#include "library/library_contents.h"

#include "library/list_file.h"
#include "library/name_check.h"
#include "library/store_paths.h"
#include "runtime/text_lines.h"

namespace codarium::library {

LibraryContents readLibraryContents() {
    LibraryContents contents;
    auto categories = readListText(categoryListPath());
    if (!categories) {
        return contents;
    }
    const std::string_view categoryLines = contents.lists.emplace_back(std::move(*categories));
    textfile::forEachLine(categoryLines, [&](std::string_view category) {
        contents.items.push_back({category, 0});
        ++contents.categories;
        // The category is listed, but its code list is opened only through a
        // name that may become a path ("..", "a/b" or "Kategorien" would
        // read some other file).
        if (!isSafeName(category, NameKind::Category)) {
            return;
        }
        auto titles = readListText(codeListPath(category));
        if (!titles) {
            return;
        }
        textfile::forEachLine(contents.lists.emplace_back(std::move(*titles)),
                              [&](std::string_view title) {
                                  contents.items.push_back({title, 1});
                                  ++contents.codes;
                              });
    });
    return contents;
}

std::string libraryStatusText(int categories, int codes) {
    return std::to_string(categories) + " Kategorien, " + std::to_string(codes) + " Codes";
}

} // namespace codarium::library
