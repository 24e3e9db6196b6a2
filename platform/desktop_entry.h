#pragma once
// Reading the desktop's association files: mimeapps.list, mimeinfo.cache and
// the Exec line of a .desktop file. Pure text functions; the files are read by
// the caller.
#include <string>
#include <string_view>
#include <vector>

namespace codarium::platform {

// The desktop file IDs that group `group` of a key file (such as
// "Default Applications" in mimeapps.list or "MIME Cache" in mimeinfo.cache)
// gives for `mimeType`, in their order. Values are ";"-separated lists.
std::vector<std::string> associatedDesktopIds(std::string_view keyFile, std::string_view group,
                                              std::string_view mimeType);

// The value of the key Exec in the group "Desktop Entry" with the key file
// escapes (\s \n \t \r \\) resolved; "" when there is none.
std::string desktopEntryExec(std::string_view desktopFile);

// The arguments of an Exec value by the desktop-entry quoting rules: blanks
// separate, "..." groups with \" \` \$ \\ escaped inside; arguments that are
// field codes (%f, %U, ...) are dropped and %% becomes %.
std::vector<std::string> execArguments(std::string_view exec);

} // namespace codarium::platform
