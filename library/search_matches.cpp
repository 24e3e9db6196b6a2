#include "library/search_matches.h"

#include "platform/code_page.h"

#include <string>

namespace codarium::library {
namespace {

std::size_t utf8SequenceLength(unsigned char lead) {
    if (lead >= 0xF0 && lead <= 0xF4) {
        return 4;
    }
    if (lead >= 0xE0) {
        return lead <= 0xEF ? 3 : 1;
    }
    return lead >= 0xC2 ? 2 : 1;
}

} // namespace

std::vector<MatchRange> findMatches(std::string_view text, std::string_view needle) {
    std::vector<MatchRange> matches;
    if (needle.empty() || needle.size() > text.size()) {
        return matches;
    }
    const std::string lowText = platform::lowerCased(text);
    const std::string lowNeedle = platform::lowerCased(needle);
    for (auto at = lowText.find(lowNeedle); at != std::string::npos;
         at = lowText.find(lowNeedle, at + 1)) {
        matches.push_back({at, needle.size()});
    }
    return matches;
}

std::vector<MatchRange> findMatchesInUtf8(std::string_view utf8, std::string_view needle) {
    // One code-page byte per UTF-8 character, remembering where each began.
    std::string bytes;
    std::vector<std::size_t> starts;
    for (std::size_t i = 0; i < utf8.size();) {
        std::size_t n = utf8SequenceLength(static_cast<unsigned char>(utf8[i]));
        if (i + n > utf8.size()) {
            n = 1;
        }
        const std::string single = platform::fromUtf8(utf8.substr(i, n));
        bytes += single.size() == 1 ? single[0] : '?';
        starts.push_back(i);
        i += n;
    }
    starts.push_back(utf8.size());
    std::vector<MatchRange> matches;
    for (const auto& match : findMatches(bytes, needle)) {
        const std::size_t begin = starts[match.start];
        matches.push_back({begin, starts[match.start + match.length] - begin});
    }
    return matches;
}

} // namespace codarium::library
