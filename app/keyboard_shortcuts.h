#pragma once
// The main window's keys, as data: the shortcuts the menus show beside their
// items and the keys that reach commands without an item. Keys in Qt's
// portable form, alternatives separated by "; ".
#include "app/main_window_numbers.h"

#include <array>
#include <string_view>

namespace codarium::app {

struct CommandKeys {
    int command;
    std::string_view keys;
};

// Shown in menu 0 and active while the main window is.
inline constexpr std::array MainMenuShortcuts{
    CommandKeys{command::Update, "F5"},
    CommandKeys{command::Exit, "Ctrl+Q"},
    CommandKeys{command::ExpandAll, "Ctrl+Shift++; Ctrl+Shift+="},
    CommandKeys{command::CollapseAll, "Ctrl+Shift+-; Ctrl+Shift+_"},
    CommandKeys{command::OpenInEditor, "Ctrl+E"},
    CommandKeys{command::LinkMenu, "Ctrl+L"},
    CommandKeys{command::About, "F1"},
};

// Shown in the code view's popup menu; the view itself acts on these keys.
inline constexpr std::array CodeViewPopupShortcuts{
    CommandKeys{command::Copy, "Ctrl+C"},
    CommandKeys{command::SelectAll, "Ctrl+A"},
};

// Keys of the main window without a menu item.
inline constexpr std::array MainWindowKeys{
    CommandKeys{command::FocusSearch, "Ctrl+F"},
    CommandKeys{command::ZoomIn, "Ctrl++; Ctrl+="},
    CommandKeys{command::ZoomOut, "Ctrl+-"},
    CommandKeys{command::ZoomReset, "Ctrl+0"},
    CommandKeys{command::NextSearchMark, "F3"},
    CommandKeys{command::PreviousSearchMark, "Shift+F3"},
};

// Puts the keys above on the main window, its menu bar and popup menu.
void installMainWindowKeys();

} // namespace codarium::app
