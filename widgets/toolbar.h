#pragma once
// The toolbar at the top of a window's client area. Buttons carry command
// numbers; a click posts a Menu event with the command (see menus.h).
#include <string>
#include <string_view>

namespace codarium::widgets {

// iconSize: 16, 24 or 32 (other positive values are taken as they are, 0 or
// less gives 32). The size is fixed for the toolbar's life.
bool createToolBar(int toolbar, int window, int iconSize);
bool isToolBar(int toolbar);
// image: an image number (see images.h); an empty image gives a blank button.
void addToolBarImageButton(int toolbar, int command, int image);
void addToolBarSeparator(int toolbar);
void setToolBarToolTip(int toolbar, int command, std::string_view text);
std::string toolBarToolTip(int toolbar, int command);
void disableToolBarButton(int toolbar, int command, bool disabled);
bool toolBarButtonDisabled(int toolbar, int command);
int toolBarIconSize(int toolbar);
// Height in pixels (T of the layouts), 0 when absent.
int toolBarHeight(int toolbar);

} // namespace codarium::widgets
