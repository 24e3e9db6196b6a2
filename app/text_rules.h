#pragma once
// Small rules about the texts users type.
#include <string_view>

namespace codarium::app {

// True when the text still has something left after removing the blanks at
// both ends.
inline bool hasNonBlankText(std::string_view text) {
    return text.find_first_not_of(' ') != std::string_view::npos;
}

} // namespace codarium::app
