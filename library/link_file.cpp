#include "library/link_file.h"

#include "library/list_file.h"

namespace codarium::library {

std::vector<std::string> linkNames(std::string_view linkFile) {
    std::vector<std::string> names;
    const auto lines = readLines(linkFile);
    for (std::size_t i = 0; i < lines.size(); i += 2) {
        names.push_back(lines[i]);
    }
    return names;
}

std::optional<std::string> linkAddress(std::string_view linkFile, int command) {
    if (command < FirstLinkCommand || command > LastLinkCommand) {
        return std::nullopt;
    }
    const auto lines = readLinesIfOpened(linkFile);
    const auto index = static_cast<std::size_t>(2 * (command - FirstLinkCommand) + 1);
    if (!lines || index >= lines->size()) {
        return std::nullopt;
    }
    return (*lines)[index];
}

} // namespace codarium::library
