#pragma once
// The search window (window 9): a search text, the list of found codes and
// the buttons that show one in the main tree.
#include "widgets/window_event.h"

#include <string>
#include <string_view>

namespace codarium::library {

inline constexpr int SearchWindow = 9;
inline constexpr int SearchTextField = 901;
inline constexpr int SearchAgainButton = 902;
inline constexpr int ResultList = 903;
inline constexpr int ShowButton = 904;
inline constexpr int ShowAndCloseButton = 905;
inline constexpr int CloseSearchButton = 906;

// Opens (or replaces) window 9 with field 1's text and runs the first search.
void openSearchWindow();
// Appends the codes found under `directory` for field 901's text to list 903.
void runSearch(std::string_view directory);
// Empties the list, disables the show buttons and searches "Codes" again.
void searchAgain();
// The show buttons follow the list's selection.
void onResultSelection();
// Makes the selected result the main tree's current item; closes window 9
// first when `close` is set.
void showSearchResult(bool close);

// Gadget events of the main window's field 1 and button 2.
void onSearchFieldEvent(widgets::GadgetEvent event);
void onSearchButtonEvent();
// Gadget events of window 9 (gadgets 901 to 906).
void onSearchWindowEvent(int gadget, widgets::GadgetEvent event);

} // namespace codarium::library
