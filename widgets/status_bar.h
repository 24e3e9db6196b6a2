#pragma once
// A one-field status bar along the bottom of a window's client area.
#include <string>
#include <string_view>

namespace codarium::widgets {

bool createStatusBar(int statusBar, int window);
bool isStatusBar(int statusBar);
// There is one field (0) spanning the whole width.
void setStatusBarText(int statusBar, int field, std::string_view text);
std::string statusBarText(int statusBar, int field);
// Height in pixels (S of the layouts), 0 when absent.
int statusBarHeight(int statusBar);

} // namespace codarium::widgets
