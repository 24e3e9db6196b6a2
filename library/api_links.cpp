#include "library/api_links.h"

#include "library/list_file.h"

#include <algorithm>

namespace codarium::library {

ApiLinkMap readApiLinks(std::string_view path) {
    ApiLinkMap map;
    const auto lines = readLines(path);
    for (std::size_t i = 0; i < lines.size(); i += 2) {
        map.insert_or_assign(lines[i], i + 1 < lines.size() ? lines[i + 1] : std::string());
    }
    return map;
}

namespace {

ApiLinkState& state() {
    static ApiLinkState state;
    return state;
}

char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return lowerAscii(x) == lowerAscii(y);
           });
}

// The entry of `name`, exactly or else ignoring case; a search through the
// whole map only for a name spelt otherwise than the catalogue spells it.
const std::string* entryOf(const ApiLinkMap& map, std::string_view name) {
    if (const auto found = map.find(name); found != map.end()) {
        return &found->second;
    }
    for (const auto& [command, link] : map) {
        if (sameIgnoringCase(command, name)) {
            return &link;
        }
    }
    return nullptr;
}

} // namespace

ApiLinkMap& apiLinkMap() {
    return state().apiLinks;
}

void loadApiLinks() {
    ApiLinkState& s = state();
    s.apiLinks = readApiLinks(ApiLinkCatalogue);
    s.loaded = true;
}

const ApiLinkMap& apiLinks() {
    if (!state().loaded) {
        loadApiLinks();
    }
    return state().apiLinks;
}

void resetApiLinks() {
    state().apiLinks.clear();
    state().loaded = false;
}

std::string knownLink(const ApiLinkMap& map, std::string_view command) {
    const auto found = map.find(command);
    return found != map.end() ? found->second : std::string();
}

std::string catalogueLink(const ApiLinkMap& map, std::string_view function) {
    if (function.empty()) {
        return {};
    }
    if (const std::string* link = entryOf(map, function); link != nullptr && !link->empty()) {
        return *link;
    }
    const char last = function.back();
    if ((last == 'A' || last == 'W') && function.size() > 1) {
        if (const std::string* link = entryOf(map, function.substr(0, function.size() - 1))) {
            return *link;
        }
    }
    return {};
}

} // namespace codarium::library
