#pragma once
// The documentation of the API functions a shown code calls: which of its
// calls the catalogue knows, the one under a text position, and the entries
// of the link popup that lists them below the code's own links.
#include "library/api_links.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace codarium::library {

// A function the code calls and the catalogue knows: its name as the code
// first spells it (without the '_') and its documentation address.
struct CataloguedCall {
    std::string name;
    std::string address;
};

// The catalogued calls in the order of their first use, each once.
std::vector<CataloguedCall> cataloguedCalls(std::string_view code, const ApiLinkMap& catalogue);

// Where in cataloguedCalls(code) the call under `position` is (a caret right
// after its '_' still counts); nothing when no catalogued call is there.
std::optional<std::size_t> cataloguedCallIndexAt(std::string_view code, std::size_t position,
                                                 const ApiLinkMap& catalogue);

// The popup's commands beyond the code's own links (100 and up): the k-th
// catalogued call (from 0) opens with FirstApiLinkCommand + k and lists its
// callers with FirstApiCallersCommand + k. Far above the keyboard-only
// commands, and room for more calls than any code makes.
inline constexpr int MostApiEntries = 1000;
inline constexpr int FirstApiLinkCommand = 110000;
inline constexpr int FirstApiCallersCommand = FirstApiLinkCommand + MostApiEntries;
// The disabled entry of a popup that has nothing else to list.
inline constexpr int NoLinksCommand = FirstApiCallersCommand + MostApiEntries;

// The companion entry's text: "Codes mit Name_()".
std::string callersEntryText(std::string_view function);
inline constexpr std::string_view NoLinksText = "Keine Links zu diesem Code";

struct LinkMenuEntry {
    enum class Kind { Item, Separator, Disabled };
    Kind kind = Kind::Item;
    int command = 0;
    std::string text;
};

// The popup's entries: the code's own links (command names `linkNames`,
// unchanged and first), a separator, then each catalogued call with its
// companion. With `first` set, that call's two entries come before all
// others, followed by a separator. A popup with nothing to list holds the
// one disabled NoLinksText, so that it never opens empty.
std::vector<LinkMenuEntry> linkMenuEntries(const std::vector<std::string>& linkNames,
                                           const std::vector<CataloguedCall>& calls,
                                           std::optional<std::size_t> first = std::nullopt);

} // namespace codarium::library
