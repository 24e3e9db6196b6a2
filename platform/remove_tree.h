#pragma once
// Deleting a directory with everything below it, without ever leaving it:
// every entry is reached through the already opened directory above it, so
// a symbolic link met on the way (or swapped in meanwhile) is removed as a
// link and what it points to is never touched.
#include <string_view>

namespace codarium::platform {

// Removes every file, link and folder below `path` and then `path` itself,
// making read-only folders writable first (a read-only file needs no change
// to be unlinked here). Carries on past entries that cannot be removed. When
// `path` itself is a symbolic link, only the link is removed. A missing path
// counts as removed; an empty path and a path naming a file are refused.
// True when nothing is left.
bool removeTree(std::string_view path);

} // namespace codarium::platform
