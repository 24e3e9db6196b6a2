#pragma once
// Marking the search text in the main code view after a code was picked in
// the search window. The marks belong to that one showing of that code: the
// next code shown (or a category) drops them.
#include <string_view>

namespace codarium::library {

// The code about to be shown from the search window and the text to mark.
void expectSearchMarks(std::string_view category, std::string_view title, std::string_view text);
// Called after the main view showed a code (category, title): marks the text
// and scrolls to its first occurrence when that code was expected, else
// removes any marks.
void updateSearchMarks(std::string_view category, std::string_view title);
// Removes the marks and forgets a pending request (the view was cleared).
void clearSearchMarks();

// Selects the next (forward) or previous mark after or before the selection,
// going round at either end; false when the view holds no marks.
bool goToSearchMark(bool forward);

// The Scintilla indicator the marks use.
inline constexpr int SearchMarkIndicator = 8;

} // namespace codarium::library
