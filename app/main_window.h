#pragma once
// The main window and everything in it, built once at start-up.
#include "app/app_state.h"

namespace codarium::app {

// Window 0: inner size from the settings, centred, maximized when the stored
// state says so, never smaller than 550 x 300. False when it cannot be opened.
bool openMainWindow(const AppSettings& settings);

// Images 1 to 14 from Grafiken/, Suchen.ico as image 5, the editor's icon and
// font 1. Missing files leave their images empty.
void loadImagesAndFont(const AppSettings& settings);

// Menu bar, code view popup menu, toolbar, status bar and gadgets 1 to 5, in
// this order.
void buildMainWindowContents(const AppSettings& settings);

void buildMainMenu(const AppSettings& settings);
void buildCodeViewPopupMenu();
void buildMainToolBar(const AppSettings& settings);
void buildMainGadgets(const AppSettings& settings);

// Items 22 and 23: which settings location is in use.
void setLocationCheckMarks(bool portable);

// Exactly one of items 16, 17 and 18, the one of `size`, is checked (none for
// another size).
void checkIconSizeItem(int size);

} // namespace codarium::app
