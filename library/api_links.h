#pragma once
// The catalogue of documentation links (MSDNLinks.ini) that the add-link
// dialog proposes from: a command name, exactly as typed, to its address.
#include <map>
#include <string>
#include <string_view>

namespace codarium::library {

using ApiLinkMap = std::map<std::string, std::string, std::less<>>;

inline constexpr std::string_view ApiLinkCatalogue = "MSDNLinks.ini";

// Pairs of lines, command then address; a later pair wins over an earlier
// one with the same command, and a command on the last line maps to "". A
// file that cannot be read gives an empty map.
ApiLinkMap readApiLinks(std::string_view path);

// The process's map: empty at start-up, filled by loadApiLinks in
// administrator mode only, never written back.
struct ApiLinkState {
    ApiLinkMap apiLinks;
};
ApiLinkMap& apiLinkMap();

// Fills apiLinkMap() from the catalogue in the program directory.
void loadApiLinks();

// The known address of `command` (whole text, case-sensitive), or "".
std::string knownLink(const ApiLinkMap& map, std::string_view command);

} // namespace codarium::library
