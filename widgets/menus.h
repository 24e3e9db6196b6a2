#pragma once
// Menu bars and popup menus, built in order: titles, submenus, items. Every
// item carries a command number; choosing it posts a Menu event with that
// command and the window the menu belongs to. A menu item and a toolbar
// button with the same number are separate items (enabled, disabled and
// checked separately) but the same command.
#include <string>
#include <string_view>

namespace codarium::widgets {

// A menu bar for `window` (replacing that window's menu bar and any menu of
// this number). Returns false when the window does not exist.
bool createMenu(int menu, int window);
// A popup menu, replacing a menu of the same number.
bool createPopupMenu(int menu);
void freeMenu(int menu);
bool isMenu(int menu);

// Building: titles (menu bars only), submenus and items go to the innermost
// open submenu of the current title, or the popup itself.
void addMenuTitle(int menu, std::string_view title);
void openSubMenu(int menu, std::string_view text);
void closeSubMenu(int menu);
// image: an image number (see images.h), or -1; an empty image shows nothing.
void addMenuItem(int menu, int command, std::string_view text, int image = -1);

// A line between the entries before and after it.
void addMenuSeparator(int menu);
// A disabled item that only tells something (never chosen).
void addMenuNote(int menu, int command, std::string_view text);

void setMenuItemChecked(int menu, int command, bool checked);
bool menuItemChecked(int menu, int command);
void disableMenuItem(int menu, int command, bool disabled);
bool menuItemDisabled(int menu, int command);
std::string menuItemText(int menu, int command); // "" when absent
bool hasMenuItem(int menu, int command);

// Shows a popup menu for `window` at the mouse pointer, or at the global
// screen position x, y when given (both >= 0). Returns at once; a chosen item
// arrives later as a Menu event.
void displayPopupMenu(int menu, int window, int x = -1, int y = -1);
// Highlights an item of a shown popup, as the arrow keys would, so that
// Return chooses it.
void highlightMenuItem(int menu, int command);

} // namespace codarium::widgets
