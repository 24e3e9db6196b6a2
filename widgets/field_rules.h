#pragma once
// The rule every dialog follows for its action buttons: a button that needs a
// text is enabled exactly while its field holds something besides blanks.
#include <string_view>

namespace codarium::widgets {

// True when the text still has something left after removing the blanks at
// both ends.
inline bool hasNonBlankText(std::string_view text) {
    return text.find_first_not_of(' ') != std::string_view::npos;
}

// The button is enabled exactly when the field holds non-blank text.
void enableWhenFilled(int field, int button);
// The button is enabled exactly when both fields hold non-blank text.
void enableWhenBothFilled(int firstField, int secondField, int button);

} // namespace codarium::widgets
