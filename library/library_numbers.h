#pragma once
// The numbers of the main window's objects that the library tree and the
// search use. Defined here, the lowest folder that uses them; the app names
// them after these.

#include "widgets/main_window_number.h"

namespace codarium::library {

inline constexpr int MainWindow = widgets::MainWindow;
inline constexpr int SearchField = 1;
inline constexpr int SearchButton = 2;
inline constexpr int LibraryTree = 3;

inline constexpr int MainMenu = 0;
inline constexpr int LinkPopupMenu = 1;
inline constexpr int MainToolBar = 0;
inline constexpr int MainStatusBar = 1;
inline constexpr int StatusField = 0;

inline constexpr int CommandExpandAll = 3;
inline constexpr int CommandCollapseAll = 4;
inline constexpr int CommandRemoveCategory = 6;
inline constexpr int CommandRemoveCode = 8;
inline constexpr int CommandRemoveAll = 9;
inline constexpr int CommandExportTemplates = 11;
inline constexpr int CommandOpenInEditor = 19;
inline constexpr int CommandLinkMenu = 20;

// The commands that need a library with at least one entry.
inline constexpr int LibraryCommands[] = {CommandExpandAll,      CommandCollapseAll,
                                          CommandRemoveCategory, CommandRemoveCode,
                                          CommandRemoveAll,      CommandExportTemplates};

} // namespace codarium::library
