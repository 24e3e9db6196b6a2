#pragma once
// Finding a picture of the editor to show beside the commands that use it.
// Linux executables carry no icons, so the picture is looked for beside the
// executable and in the desktop's icon folders.
#include <string>
#include <string_view>
#include <vector>

namespace codarium::app {

// Files to try, best first, for the editor at editorPath: <name>.png and
// <name>.ico beside it, then <name>.png in the hicolor theme (48, 32, 64,
// 128 and 256 pixels) under each data folder, then <dataFolder>/pixmaps.
// Empty for "" and "0".
std::vector<std::string> editorIconCandidates(std::string_view editorPath,
                                              const std::vector<std::string>& dataFolders);

// The data folders of the desktop: $XDG_DATA_HOME (or ~/.local/share), then
// $XDG_DATA_DIRS (or /usr/local/share:/usr/share).
std::vector<std::string> desktopDataFolders();

} // namespace codarium::app
