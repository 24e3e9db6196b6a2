#pragma once
// Where the main window's gadgets go for a given window size. Pure
// arithmetic. The search window's layout lives beside the search window.
#include "library/search_window_layout.h"
#include "widgets/rect.h"

namespace codarium::app {

using widgets::Rect;

// W, H: inner width and height (client height plus menu bar height); T, S, M:
// toolbar, status bar and menu bar heights.
struct MainLayout {
    Rect searchField;
    Rect searchButton;
    Rect splitter; // reaches down to the top of the status bar
};
MainLayout mainWindowLayout(int width, int height, int toolBar, int statusBar, int menuBar);

using library::SearchLayout;
using library::searchWindowLayout;

// The main window cannot be made smaller.
inline constexpr int MainWindowMinimumWidth = 550;
inline constexpr int MainWindowMinimumHeight = 300;
// Each splitter pane's minimum.
inline constexpr int SplitterPaneMinimum = 200;

} // namespace codarium::app

namespace codarium::app {
// The toolbar's icon size for a stored "ToolBar_Icongroesse": the stored
// value, or 32 when it is no usable size (a hand-edited or unreadable value
// of 0 would leave a toolbar without pictures).
int toolbarIconSizeFor(int stored);
} // namespace codarium::app
