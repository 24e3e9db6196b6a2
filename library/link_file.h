#pragma once
// A code's link file: pairs of lines, a command name and then the address of
// its documentation page.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace codarium::library {

// A documentation link: the command name ("Befehl") and its address ("Link").
struct ApiLink {
    std::string command;
    std::string link;
};

// The first link's menu command; link k (from 0) has FirstLinkCommand + k.
inline constexpr int FirstLinkCommand = 100;
// The last command that opens a link; later menu items are listed only.
inline constexpr int LastLinkCommand = 130;

// The command names (lines 1, 3, 5, ...); none when the file is missing.
std::vector<std::string> linkNames(std::string_view linkFile);

// The address belonging to menu command `command`: line
// 2 x (command - 100) + 2. Nothing when the file cannot be opened, the
// command is outside 100 to 130, or the file ends before that line.
std::optional<std::string> linkAddress(std::string_view linkFile, int command);

// Writes a new link file: for every link its command, then its address, each
// as a line ended by CR LF; no links give an empty file. The file appears
// complete or not at all, and an existing file is never replaced. A text
// holding a line break is refused, since it would shift every later pair.
bool createLinkFile(std::string_view linkFile, const std::vector<ApiLink>& links);

} // namespace codarium::library
