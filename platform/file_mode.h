#pragma once
// The size and permission bits of a file, for replacing a file by another
// that must look the same to the system.
#include <cstdint>
#include <optional>
#include <string_view>

namespace codarium::platform {

// The size of a regular file in bytes; -1 when it is missing or not a file.
std::int64_t fileSize(std::string_view path);

// The permission bits (rwx for user, group and others, and the set-id and
// sticky bits) of an existing entry.
std::optional<unsigned> fileMode(std::string_view path);
bool setFileMode(std::string_view path, unsigned mode);

// Whether an existing regular file may be opened to be changed: the process
// may write it and its owner's write bit is set. A file without that bit
// counts as read-only even for the superuser, as a file marked read-only
// does on Windows, so that a user's protection holds whoever runs us.
bool mayChangeFile(std::string_view path);

} // namespace codarium::platform
