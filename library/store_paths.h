#pragma once
// Where the library keeps its lists, sources and links, relative to the
// program directory. Categories and titles are library text; the paths
// returned are native (the names converted, otherwise verbatim).
#include <string>
#include <string_view>

namespace codarium::library {

inline constexpr std::string_view CodesDirectory = "Codes";
inline constexpr std::string_view SettingsDirectory = "Einstellungen";

std::string categoryListPath();     // Einstellungen/Kategorien.ini
std::string categoryListTempPath(); // Einstellungen/Kategorien.tmp
std::string codeListPath(std::string_view category);
std::string codeListTempPath(std::string_view category);
std::string sourcePath(std::string_view category, std::string_view title);
std::string linkFilePath(std::string_view category, std::string_view title);
std::string categorySourceDirectory(std::string_view category); // Codes/<category>
std::string categoryLinkDirectory(std::string_view category);   // Einstellungen/<category>

// The temporary file beside a list: its ".ini" replaced by ".tmp", or ".tmp"
// appended when it has none. The same file a removal from that list uses.
std::string listTempPathFor(std::string_view listPath);

} // namespace codarium::library
