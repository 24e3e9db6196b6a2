#include "library/link_file.h"

#include "library/list_file.h"
#include "platform/atomic_save.h"
#include "platform/paths.h"

namespace codarium::library {

using platform::ReplaceMode;
using platform::writeFileAtomically;

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

bool createLinkFile(std::string_view linkFile, const std::vector<ApiLink>& links) {
    std::string bytes;
    for (const auto& link : links) {
        for (const auto& line : {std::string_view(link.command), std::string_view(link.link)}) {
            if (line.find_first_of("\r\n") != std::string_view::npos) {
                return false;
            }
            bytes.append(line).append("\r\n");
        }
    }
    return writeFileAtomically(std::string(linkFile), bytes, ReplaceMode::CreateOnly);
}

} // namespace codarium::library
