#include "viewer/colouring.h"

#include "viewer/scintilla_messages.h"
#include "widgets/scintilla_gadget.h"

#include <algorithm>
#include <limits>

namespace codarium::viewer {

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
    const std::intptr_t endStyled = widgets::sendScintilla(gadget, sci::GetEndStyled);
    const std::intptr_t line = widgets::sendScintilla(gadget, sci::LineFromPosition,
                                                      static_cast<std::uintptr_t>(endStyled));
    const std::intptr_t start =
        widgets::sendScintilla(gadget, sci::PositionFromLine, static_cast<std::uintptr_t>(line));
    // Scintilla never asks for less than the line start or more than the text,
    // but a range outside those would mean a negative or oversized copy.
    const std::intptr_t length = widgets::sendScintilla(gadget, sci::GetLength);
    const std::intptr_t end = std::clamp(position, start, std::max(start, length));
    const std::intptr_t count =
        std::min<std::intptr_t>(end - start, std::numeric_limits<std::int32_t>::max());

    state.start = start;
    state.textCopy.assign(static_cast<std::size_t>(count) + 1, '\0');
    sci::TextRange range{start, start + count, state.textCopy.data()};
    widgets::sendScintilla(gadget, sci::GetTextRange, 0, reinterpret_cast<std::intptr_t>(&range));
    state.colourFunction(state.textCopy.data(), static_cast<std::int32_t>(count), colourRun, 0);
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
    widgets::sendScintilla(state.view, sci::StartStyling,
                           static_cast<std::uintptr_t>(state.start + offset), sci::StyleMask);
    widgets::sendScintilla(state.view, sci::SetStyling, static_cast<std::uintptr_t>(runLength),
                           colour);
    return 0;
}

} // namespace codarium::viewer
