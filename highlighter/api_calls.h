#pragma once
// The operating system's API functions that a code calls, found by the
// highlighter's own rules: a name ending in '_' that a '(' follows (blanks
// between allowed), outside strings, comments and assembler lines. So a name
// in a comment or a string, or a field, label or type of that spelling, is
// never taken for a call.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace codarium::highlighter {

// One call in the text: where its name starts and how long it is, '_'
// included (SendMessage_ in "SendMessage_(w, 0, 0, 0)").
struct ApiCallSite {
    std::size_t offset = 0;
    std::size_t length = 0;
};

// Every call in the order of the text.
std::vector<ApiCallSite> apiCallSites(std::string_view code);

// The called functions' names without the '_', each once, in the order of
// their first call. PureBasic does not tell names apart by case, so a later
// call spelt differently is the same function; its first spelling is kept.
std::vector<std::string> apiCallsOf(std::string_view code);

// The call whose name holds `position` or ends right at it (a caret after
// the '_' still names the call); nothing when there is none.
const ApiCallSite* apiCallAt(const std::vector<ApiCallSite>& sites, std::size_t position);

// The function's name of a call site: its name without the '_'.
std::string_view apiFunctionName(std::string_view code, const ApiCallSite& site);

} // namespace codarium::highlighter
