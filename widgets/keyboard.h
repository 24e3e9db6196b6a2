#pragma once
// Keys on top of the numbered windows: shortcuts of menu items and windows,
// a window's default and cancel buttons, the tab order and the names a
// screen reader reads. Keys are written in Qt's portable form ("Ctrl+E",
// "Shift+F3", "Ctrl++"); alternatives are separated by "; ". Main thread only.
#include <string_view>

namespace codarium::widgets {

// Shows `keys` beside the item's label and lets them choose it while the
// menu's window is active (a disabled item stays inert). The label is kept.
void setMenuItemShortcut(int menu, int command, std::string_view keys);

// While `window` is active, `keys` post a Menu event with `command`, as an
// item of that window would.
bool addWindowShortcut(int window, std::string_view keys, int command);

// While `window` is active, `keys` click the button `gadget` when it is
// enabled, as the mouse would.
bool addKeyGadget(int window, std::string_view keys, int gadget);

// What the keyboard does in a dialog the window code built.
struct DialogKeys {
    int firstField = -1;    // gets the focus
    int defaultButton = -1; // Return anywhere in the window that a field leaves alone
    int cancelButton = -1;  // Escape
};
// Applies `keys` and puts the Tab order in reading order of the gadgets'
// places (rows top to bottom, left to right within a row), and ties every
// label to the field that starts to its right on the same row, so that a
// screen reader reads the label with the field.
void setDialogKeys(int window, const DialogKeys& keys);

// Gives the focus to a one-line field with its whole text selected.
void focusFieldSelectingAll(int gadget);
bool gadgetHasFocus(int gadget);
// A point given in the gadget's own coordinates, on the screen.
struct ScreenPoint {
    int x = 0;
    int y = 0;
};
ScreenPoint gadgetPointOnScreen(int gadget, int x, int y);

// The name a screen reader reads for the gadget.
void setGadgetAccessibleName(int gadget, std::string_view name);

} // namespace codarium::widgets
