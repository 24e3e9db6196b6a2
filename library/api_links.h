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

// The process's map: empty at start-up, filled by loadApiLinks (at once in
// administrator mode, once the main window is up in every mode), never
// written back.
struct ApiLinkState {
    ApiLinkMap apiLinks;
    bool loaded = false;
};
ApiLinkMap& apiLinkMap();

// Fills apiLinkMap() from the catalogue in the program directory.
void loadApiLinks();
// The catalogue, read on the first call unless loadApiLinks ran already.
const ApiLinkMap& apiLinks();
// Empties the map and forgets that it was read (a new run starts).
void resetApiLinks();

// The known address of `command` (whole text, case-sensitive), or "".
std::string knownLink(const ApiLinkMap& map, std::string_view command);

// The address of the API function `function` as a code calls it: its own
// entry, else, for a name ending in the A or W of the system's text
// variants, its base name's entry; each tried exactly first and then
// ignoring case, since PureBasic does not tell names apart by case. "" when
// the catalogue knows neither.
std::string catalogueLink(const ApiLinkMap& map, std::string_view function);

} // namespace codarium::library
