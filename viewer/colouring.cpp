#include "viewer/colouring.h"

#include "widgets/scintilla_messages.h"

#include <algorithm>
#include <limits>

namespace codarium::viewer {
namespace {

namespace sci = widgets::sci;

// The mask styling starts with: the five bits of a style byte that the
// highlighter's classes need.
constexpr int StyleMask = 31;

} // namespace

ColouringState& colouringState() {
    static ColouringState state;
    return state;
}

void codeViewNotification(int gadget, int code, std::intptr_t position) {
    ColouringState& state = colouringState();
    state.view = gadget;
    if (code != widgets::StyleNeededNotification || state.colourFunction == nullptr) {
        return;
    }
    // The runs of a pass are many; the view is looked up once for all of them.
    const widgets::ScintillaDirect send = widgets::scintillaDirect(gadget);
    if (send.function == nullptr) {
        return; // no such view
    }
    const std::intptr_t endStyled = send(sci::GetEndStyled);
    const std::intptr_t line = send(sci::LineFromPosition, static_cast<std::uintptr_t>(endStyled));
    const std::intptr_t start = send(sci::PositionFromLine, static_cast<std::uintptr_t>(line));
    // Scintilla never asks for less than the line start or more than the text,
    // but a range outside those would mean a negative or oversized copy.
    const std::intptr_t length = send(sci::GetLength);
    const std::intptr_t end = std::clamp(position, start, std::max(start, length));
    const std::intptr_t count =
        std::min<std::intptr_t>(end - start, std::numeric_limits<std::int32_t>::max());

    state.start = start;
    state.viewEntry = send;
    state.textCopy.assign(static_cast<std::size_t>(count) + 1, '\0');
    sci::TextRange range{start, start + count, state.textCopy.data()};
    send(sci::GetTextRange, 0, reinterpret_cast<std::intptr_t>(&range));
    state.colourFunction(state.textCopy.data(), static_cast<std::int32_t>(count), colourRun, 0);
    state.viewEntry = {};
    state.textCopy.clear();
    state.textCopy.shrink_to_fit();
}

std::int32_t colourRun(const char* position, std::int32_t length, std::int32_t colour) {
    ColouringState& state = colouringState();
    if (state.textCopy.empty() || position == nullptr || length <= 0) {
        return 0;
    }
    // A run reaching outside the copy is cut to it, so that no text beyond
    // the stretch that was asked for is styled.
    const auto first = reinterpret_cast<std::uintptr_t>(state.textCopy.data());
    const auto end = first + state.textCopy.size() - 1; // the terminating zero
    const auto at = reinterpret_cast<std::uintptr_t>(position);
    if (at < first || at >= end) {
        return 0;
    }
    const auto offset = static_cast<std::intptr_t>(at - first);
    const auto runLength = std::min<std::intptr_t>(length, static_cast<std::intptr_t>(end - at));
    state.viewEntry(sci::StartStyling, static_cast<std::uintptr_t>(state.start + offset),
                    StyleMask);
    state.viewEntry(sci::SetStyling, static_cast<std::uintptr_t>(runLength), colour);
    return 0;
}

} // namespace codarium::viewer
