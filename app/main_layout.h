#pragma once
// Where the main window's and the search window's gadgets go for a given
// window size. Pure arithmetic.
namespace codarium::app {

struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
};

// W, H: inner width and height (client height plus menu bar height); T, S, M:
// toolbar, status bar and menu bar heights.
struct MainLayout {
    Rect searchField;
    Rect searchButton;
    Rect splitter; // reaches down to the top of the status bar
};
MainLayout mainWindowLayout(int width, int height, int toolBar, int statusBar, int menuBar);

// The search window's relayout; only the coordinates it changes are
// meaningful to callers (the rest match the window's creation).
struct SearchLayout {
    Rect field;
    Rect button;
    Rect list;
    Rect show;
    Rect showAndClose;
    Rect close;
};
SearchLayout searchWindowLayout(int width, int height);

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
