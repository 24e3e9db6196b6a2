#pragma once
// Removing a whole directory tree of the store (a category's folders, or the
// whole library).
#include <string_view>

namespace codarium::library {

// Deletes every file below path and then the directories themselves, making
// read-only entries writable first. Symbolic links are removed as links;
// what they point to is never touched, and a path that is itself a link
// loses only the link. True when nothing is left; an empty path is refused.
// A missing directory counts as removed.
bool removeDirectoryTree(std::string_view path);

} // namespace codarium::library
