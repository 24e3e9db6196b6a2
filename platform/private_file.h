#pragma once
// Writing a file at a fixed name in a folder that other users share (the
// temporary folder): the bytes go to a fresh file of our own, readable and
// writable by this user only, which is then renamed into place. Whatever
// stood at the name before (a file, or a link someone planted there) is
// replaced as a directory entry and never followed, opened or appended to.
#include <string_view>

namespace codarium::platform {

// `path` is a native path. False when the fresh file cannot be made or
// written, or the rename is refused (for instance a name held by another
// user in a sticky folder); nothing is left behind then.
bool writeFreshPrivateFile(std::string_view path, std::string_view bytes);

} // namespace codarium::platform
