#include "library/search_marks.h"

#include "library/search_matches.h"

#include "platform/code_page.h"
#include "viewer/code_view_text.h"
#include "widgets/scintilla_gadget.h"
#include "widgets/scintilla_messages.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace codarium::library {
namespace {

namespace msg = widgets::sci;

// The one pending request; set when the search window selects a code, used
// up by the next code the view shows.
struct PendingMarks {
    bool active = false;
    std::string category;
    std::string title;
    std::string text;
};
PendingMarks pending;

std::intptr_t asParam(std::size_t value) {
    return static_cast<std::intptr_t>(value);
}

} // namespace

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

bool goToSearchMark(bool forward) {
    const int view = viewer::MainCodeView;
    const auto length = widgets::sendScintilla(view, msg::GetLength);
    // The marks, as the runs of the indicator from the start of the text.
    struct Run {
        std::intptr_t start, end;
    };
    std::vector<Run> marks;
    for (std::intptr_t at = 0; at < length;) {
        const auto end = widgets::sendScintilla(view, msg::IndicatorEnd, SearchMarkIndicator, at);
        if (widgets::sendScintilla(view, msg::IndicatorValueAt, SearchMarkIndicator, at) != 0) {
            marks.push_back({at, end});
        }
        if (end <= at) {
            break;
        }
        at = end;
    }
    if (marks.empty()) {
        return false;
    }
    const auto selectionStart = widgets::sendScintilla(view, msg::GetSelectionStart);
    const Run* target = nullptr;
    if (forward) {
        const auto it = std::find_if(marks.begin(), marks.end(),
                                     [&](const Run& r) { return r.start > selectionStart; });
        target = it != marks.end() ? &*it : &marks.front();
    } else {
        const auto it = std::find_if(marks.rbegin(), marks.rend(),
                                     [&](const Run& r) { return r.start < selectionStart; });
        target = it != marks.rend() ? &*it : &marks.back();
    }
    widgets::sendScintilla(view, msg::SetSel, static_cast<std::uintptr_t>(target->start),
                           target->end);
    widgets::sendScintilla(view, msg::ScrollCaret);
    return true;
}

} // namespace codarium::library
