#include "library/search_marks.h"

#include "platform/code_page.h"
#include "viewer/code_view_text.h"
#include "widgets/scintilla_gadget.h"

#include <cstdint>

namespace codarium::library {
namespace {

namespace msg {
constexpr unsigned GetLength = 2006;
constexpr unsigned GotoPos = 2025;
constexpr unsigned IndicSetStyle = 2080;
constexpr unsigned IndicSetFore = 2082;
constexpr unsigned GetCodePage = 2137;
constexpr unsigned SetIndicatorCurrent = 2500;
constexpr unsigned IndicatorFillRange = 2504;
constexpr unsigned IndicatorClearRange = 2505;
constexpr unsigned IndicSetUnder = 2510;
constexpr unsigned GetCharacterPointer = 2520;
constexpr unsigned IndicSetAlpha = 2523;
constexpr int RoundBox = 7;
constexpr int Utf8CodePage = 65001;
} // namespace msg

// The one pending request; set when the search window selects a code, used
// up by the next code the view shows.
struct PendingMarks {
    bool active = false;
    std::string category;
    std::string title;
    std::string text;
};
PendingMarks pending;

std::size_t utf8SequenceLength(unsigned char lead) {
    if (lead >= 0xF0 && lead <= 0xF4) {
        return 4;
    }
    if (lead >= 0xE0) {
        return lead <= 0xEF ? 3 : 1;
    }
    return lead >= 0xC2 ? 2 : 1;
}

std::intptr_t asParam(std::size_t value) { return static_cast<std::intptr_t>(value); }

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

void expectSearchMarks(std::string_view category, std::string_view title, std::string_view text) {
    pending = {true, std::string(category), std::string(title), std::string(text)};
}

void clearSearchMarks() {
    pending.active = false;
    const int view = viewer::MainCodeView;
    const auto length = widgets::sendScintilla(view, msg::GetLength);
    widgets::sendScintilla(view, msg::SetIndicatorCurrent, SearchMarkIndicator);
    widgets::sendScintilla(view, msg::IndicatorClearRange, 0, length);
}

void updateSearchMarks(std::string_view category, std::string_view title) {
    const bool expected = pending.active && pending.category == category && pending.title == title;
    const std::string text = pending.text;
    clearSearchMarks();
    if (!expected) {
        return;
    }
    const int view = viewer::MainCodeView;
    const auto length = static_cast<std::size_t>(widgets::sendScintilla(view, msg::GetLength));
    const auto* data =
        reinterpret_cast<const char*>(widgets::sendScintilla(view, msg::GetCharacterPointer));
    if (!data || length == 0) {
        return;
    }
    const std::string_view content(data, length);
    const auto matches = widgets::sendScintilla(view, msg::GetCodePage) == msg::Utf8CodePage
                             ? findMatchesInUtf8(content, text)
                             : findMatches(content, text);
    if (matches.empty()) {
        return;
    }
    widgets::sendScintilla(view, msg::IndicSetStyle, SearchMarkIndicator, msg::RoundBox);
    widgets::sendScintilla(view, msg::IndicSetFore, SearchMarkIndicator, 0x0000FFFF); // yellow
    widgets::sendScintilla(view, msg::IndicSetAlpha, SearchMarkIndicator, 120);
    widgets::sendScintilla(view, msg::IndicSetUnder, SearchMarkIndicator, 1);
    widgets::sendScintilla(view, msg::SetIndicatorCurrent, SearchMarkIndicator);
    for (const auto& match : matches) {
        widgets::sendScintilla(view, msg::IndicatorFillRange, match.start, asParam(match.length));
    }
    widgets::sendScintilla(view, msg::GotoPos, matches.front().start);
}

} // namespace codarium::library
