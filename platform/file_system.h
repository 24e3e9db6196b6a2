#pragma once
// File-system operations on program paths. Failures are results, never
// exceptions.
#include <string>
#include <string_view>
#include <vector>

namespace codarium::platform {

[[nodiscard]] bool pathExists(std::string_view path); // any kind of entry
[[nodiscard]] bool fileExists(std::string_view path); // a regular file
[[nodiscard]] bool directoryExists(std::string_view path);
bool createDirectory(std::string_view path);
bool removeFile(std::string_view path);
// Renames from over to, replacing an existing file in one step.
bool renameReplacing(std::string_view from, std::string_view to);
// Copies a file, replacing an existing destination through a complete
// temporary copy beside it.
bool copyFileReplacing(std::string_view from, std::string_view to);

// Reads a whole file into buffer (resized to the file's length); false when
// it cannot be opened or read. One open, as few reads as the size needs.
[[nodiscard]] bool readWholeFile(std::string_view path, std::string& buffer);

struct DirectoryEntry {
    std::string name; // program text
    bool isDirectory = false;
};
// The entries of a directory other than "." and "..", in the order the file
// system delivers them; an empty list when it cannot be listed.
[[nodiscard]] std::vector<DirectoryEntry> listDirectory(std::string_view path);

} // namespace codarium::platform
