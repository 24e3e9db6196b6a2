#pragma once
// The search window (window 9): a search text, the list of found codes and
// the buttons that show one in the main tree.
#include "widgets/window_event.h"

#include <string>
#include <string_view>

namespace codarium::library {

inline constexpr int SearchWindow = 9;
// Window n numbers its gadgets n * 100 + k.
inline constexpr int SearchTextField = SearchWindow * 100 + 1;
inline constexpr int SearchAgainButton = SearchWindow * 100 + 2;
inline constexpr int ResultList = SearchWindow * 100 + 3;
inline constexpr int ShowButton = SearchWindow * 100 + 4;
inline constexpr int ShowAndCloseButton = SearchWindow * 100 + 5;
inline constexpr int CloseSearchButton = SearchWindow * 100 + 6;

// The size the window opens with, and the smallest it can be made.
inline constexpr int SearchWindowWidth = 500;
inline constexpr int SearchWindowHeight = 400;
inline constexpr int SearchWindowMinimumHeight = 200;

// Opens (or replaces) window 9 with field 1's text and runs the first search.
void openSearchWindow();
// Opens (or replaces) window 9 listing the codes that call the API function
// `function` (its name without the '_'), its field holding "function_()".
// Searching again with that text lists the callers again; another text is
// an ordinary search.
void openCallersSearchWindow(std::string_view function);
// Places window 9's gadgets for its current size.
void relayoutSearchWindow();
// Appends the codes found under `directory` for field 901's text to list 903.
void runSearch(std::string_view directory);
// Empties the list, disables the show buttons and searches "Codes" again.
void searchAgain();
// The show buttons follow the list's selection.
void onResultSelection();
// Makes the selected result the main tree's current item; closes window 9
// first when `close` is set.
void showSearchResult(bool close);

// Gadget events of window 9 (gadgets 901 to 906).
void onSearchWindowEvent(int gadget, widgets::GadgetEvent event);

} // namespace codarium::library
