#pragma once
// File-system operations on native paths (see paths.h). Failures are
// results, never exceptions.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace codarium::platform {

[[nodiscard]] bool pathExists(std::string_view path); // any kind of entry
[[nodiscard]] bool fileExists(std::string_view path); // a regular file
[[nodiscard]] bool directoryExists(std::string_view path);
bool createDirectory(std::string_view path);
// Creates the folder and every missing folder above it, as "mkdir -p" does.
// Folders made here are private to the user (0700), as a settings folder
// should be. True when the path is a folder afterwards.
bool createDirectoryPath(std::string_view path);
// Opens a regular file with open(2) `flags` without ever waiting in the open
// itself: a FIFO, device or socket (or a folder) is refused at once instead
// of blocking the caller. The descriptor returned is a blocking one; -1 when
// the file cannot be opened or is no regular file.
int openRegularFile(std::string_view path, int flags);
bool removeFile(std::string_view path);
// Renames from over to, replacing an existing file in one step.
bool renameReplacing(std::string_view from, std::string_view to);
// Gives an existing file a second name (a hard link); false when the new name
// exists already or the file system has no such links.
bool addFileName(std::string_view existing, std::string_view newName);
// Copies a file, replacing an existing destination through a complete
// temporary copy beside it.
bool copyFileReplacing(std::string_view from, std::string_view to);

// Reads a whole file into buffer (resized to the file's length); false when
// it cannot be opened or read. One open, as few reads as the size needs.
[[nodiscard]] bool readWholeFile(std::string_view path, std::string& buffer);

// A folder held open, so that the many files in it are opened by name
// relative to it instead of walking the whole path again for each one. -1
// when it cannot be opened; closing -1 does nothing.
[[nodiscard]] int openDirectoryHandle(std::string_view path);
void closeDirectoryHandle(int handle);
// Reads the whole regular file `name` of the folder `directory` (a handle of
// openDirectoryHandle) into the start of buffer, which only ever grows: its
// bytes past the length returned are left over from earlier reads. Nothing
// when the file cannot be opened or read, or is no regular file. One open,
// one status query and, for a file whose size holds still, one read.
[[nodiscard]] std::optional<std::size_t> readFileIn(int directory, std::string_view name,
                                                    std::string& buffer);

struct DirectoryEntry {
    std::string name; // the file system's own bytes; libraryFormOf for library text
    bool isDirectory = false;
};
// The entries of a directory other than "." and "..", in the order the file
// system delivers them; an empty list when it cannot be listed.
[[nodiscard]] std::vector<DirectoryEntry> listDirectory(std::string_view path);

} // namespace codarium::platform
