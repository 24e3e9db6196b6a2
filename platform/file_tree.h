#pragma once
// Whole folders, symbolic links and write permission, for the per-user copy
// of a program directory that the user may not write into. Failures are
// results, never exceptions.
#include <string>
#include <string_view>

namespace codarium::platform {

// True when the running user may create and rename entries in the folder,
// as the kernel decides it (the administrator passes every permission bit;
// a read-only file system stops everyone).
bool isWritableDirectory(std::string_view path);

// Any entry at the path itself, a link not followed (also a dangling link).
bool entryExists(std::string_view path);
bool isSymbolicLink(std::string_view path);
// The target stored in a symbolic link, or "" when the path is no link.
std::string symbolicLinkTarget(std::string_view path);
// Creates `link` as a symbolic link to `target`; false when `link` exists.
bool createSymbolicLink(std::string_view target, std::string_view link);
// Points `link` at `target` in one step, replacing a link or file there.
bool replaceWithSymbolicLink(std::string_view target, std::string_view link);

// A new empty directory named `prefix` plus six unique characters; its path,
// or "" when it cannot be made.
std::string createUniqueDirectory(std::string_view prefix);

// Copies the folder `from` as `to` (which must not exist): its files with
// their bytes, its folders recursively, links followed as the data they
// name. False at the first failure; what was copied so far is left.
// (Creating a folder path and removing a folder tree: file_system.h and
// remove_tree.h.)
bool copyTree(std::string_view from, std::string_view to);

} // namespace codarium::platform
