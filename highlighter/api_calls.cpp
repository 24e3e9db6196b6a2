#include "highlighter/api_calls.h"

#include "highlighter/pure_basic_lexer.h"

#include <algorithm>
#include <unordered_set>

namespace codarium::highlighter {
namespace {

// The runs coloured as calls whose name ends in '_'. A library function such
// as OpenWindow is coloured the same way but has no '_': it is PureBasic's
// own, not the system's.
class CallCollector final : public RunSink {
public:
    CallCollector(std::string_view line, std::size_t lineStart, std::vector<ApiCallSite>& sites)
        : line_(line), lineStart_(lineStart), sites_(sites) {}

    void run(std::size_t offset, std::size_t length, HighlightClass colour) override {
        if (colour == HighlightClass::PureKeyword && length > 1 &&
            line_[offset + length - 1] == '_') {
            sites_.push_back({lineStart_ + offset, length});
        }
    }

private:
    std::string_view line_;
    std::size_t lineStart_;
    std::vector<ApiCallSite>& sites_;
};

bool isLineEnd(char c) {
    return c == '\n' || c == '\r';
}

// Whether an '_' at `at` is followed, after blanks, by '(': only a line with
// such a place can hold a call.
bool openedAfter(std::string_view code, std::size_t at) {
    std::size_t i = at + 1;
    while (i < code.size() && (code[i] == ' ' || code[i] == '\t')) {
        ++i;
    }
    return i < code.size() && code[i] == '(';
}

char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

std::vector<ApiCallSite> apiCallSites(std::string_view code) {
    // The highlighter classifies each line on its own (nothing carries over
    // a line end), so only the lines where an '_' meets a '(' are coloured:
    // most of a code is passed over at the speed of a byte search.
    std::vector<ApiCallSite> sites;
    std::size_t from = 0;
    while (from < code.size()) {
        const std::size_t underscore = code.find('_', from);
        if (underscore == std::string_view::npos) {
            break;
        }
        if (!openedAfter(code, underscore)) {
            from = underscore + 1;
            continue;
        }
        std::size_t start = underscore;
        while (start > 0 && !isLineEnd(code[start - 1])) {
            --start;
        }
        std::size_t end = underscore;
        while (end < code.size() && !isLineEnd(code[end])) {
            ++end;
        }
        const std::string_view line = code.substr(start, end - start);
        CallCollector collector(line, start, sites);
        highlightPureBasic(line, collector);
        from = end;
    }
    return sites;
}

std::vector<std::string> apiCallsOf(std::string_view code) {
    std::vector<std::string> names;
    std::unordered_set<std::string> seen;
    for (const ApiCallSite& site : apiCallSites(code)) {
        const std::string_view name = apiFunctionName(code, site);
        std::string key(name);
        std::transform(key.begin(), key.end(), key.begin(), lowerAscii);
        if (seen.insert(std::move(key)).second) {
            names.emplace_back(name);
        }
    }
    return names;
}

const ApiCallSite* apiCallAt(const std::vector<ApiCallSite>& sites, std::size_t position) {
    // Sites come in the order of the text: the first that ends at or after
    // the position is the only one that can hold it.
    const auto it = std::lower_bound(
        sites.begin(), sites.end(), position,
        [](const ApiCallSite& site, std::size_t p) { return site.offset + site.length < p; });
    return it != sites.end() && it->offset <= position ? &*it : nullptr;
}

std::string_view apiFunctionName(std::string_view code, const ApiCallSite& site) {
    return code.substr(site.offset, site.length - 1);
}

} // namespace codarium::highlighter
