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

} // namespace codarium::platform
