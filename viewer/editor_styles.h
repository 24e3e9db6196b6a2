#pragma once
// The fonts and colours a code view takes from the PureBasic editor's own
// preferences (group "Editor"). Colours are 0x00BBGGRR.
#include "highlighter/highlight_class.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace codarium::viewer {

struct EditorStyles {
    std::int32_t background = 0xFFFFFF;
    std::string fontName = "courier";
    std::int32_t fontSize = 10;
    std::int32_t selectionFore = 0;
    std::int32_t selectionBack = 0x7F7F7F;
    // One per highlighter class; the class number is the style number.
    std::array<std::int32_t, highlighter::highlightClassCount> classColours{};
    std::int32_t lineNumberBack = 0;
    std::int32_t lineNumberFore = 0;
};

// The editor's preferences file: ~/.purebasic/purebasic.prefs, from $HOME;
// "" when HOME is unset.
std::string editorPrefsPath();

// Reads every style from the file; a missing file or key gives its default.
// The line-number background defaults to `buttonFace`.
EditorStyles readEditorStyles(std::string_view prefsPath, std::int32_t buttonFace);

} // namespace codarium::viewer
