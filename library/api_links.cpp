#include "library/api_links.h"

#include "library/list_file.h"

namespace codarium::library {

ApiLinkMap readApiLinks(std::string_view path) {
    ApiLinkMap map;
    const auto lines = readLines(path);
    for (std::size_t i = 0; i < lines.size(); i += 2) {
        map.insert_or_assign(lines[i], i + 1 < lines.size() ? lines[i + 1] : std::string());
    }
    return map;
}

ApiLinkMap& apiLinkMap() {
    static ApiLinkState state;
    return state.apiLinks;
}

void loadApiLinks() {
    apiLinkMap() = readApiLinks(ApiLinkCatalogue);
}

std::string knownLink(const ApiLinkMap& map, std::string_view command) {
    const auto found = map.find(command);
    return found != map.end() ? found->second : std::string();
}

} // namespace codarium::library
