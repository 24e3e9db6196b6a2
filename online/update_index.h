#pragma once
// The release index "Index.ini": groups of three lines (a file's path
// relative to the program directory, its MD5 digest in lower-case hex, its
// size in bytes), and the rules the check and the updater read them with.
#include "online/file_fingerprint.h"
#include "runtime/tcp_connection.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace codarium::online {

inline constexpr std::string_view IndexFileName = "Index.ini";
// The longest index the check downloads. Each file takes three short lines,
// so a release of thousands of files stays far below it; a longer answer is
// not an index.
inline constexpr std::int64_t MaxIndexBytes = 1024 * 1024;

struct IndexEntry {
    std::string path;   // as written: "\" or "/" separated
    std::string digest; // as written
    std::string size;   // as written
};

// The groups of the file, a group cut short by the end completed with empty
// lines; none when the file does not open.
std::optional<std::vector<IndexEntry>> readUpdateIndex(std::string_view indexPath);

// A size line: leading blanks and tabs skipped, one "+" or "-", then decimal
// digits ("$" introduces hexadecimal, "%" binary) up to the first other
// character; no digits give 0. The low 32 bits, as a signed number.
std::int32_t indexSize(std::string_view line);

// The path with "/" as its only separator.
std::string releasePath(std::string_view indexPath);
// False for a path that is empty, absolute (a leading separator or a drive
// letter) or has a ".." component: such a file is never read or written.
bool safeReleasePath(std::string_view indexPath);

// Whether the local copy of the entry's file (below programDirectory)
// differs from the release: its fingerprint is not byte for byte the listed
// digest, it is missing or unreadable, or its path is not safe.
bool fileChanged(const IndexEntry& entry, std::string_view programDirectory,
                 FingerprintBuffer& buffer);

// The signed 32-bit sum of the sizes of the changed entries; none when stop
// was set on the way.
std::optional<std::int32_t> updateSize(const std::vector<IndexEntry>& entries,
                                       std::string_view programDirectory, FingerprintBuffer& buffer,
                                       const StopToken* stop = nullptr);

} // namespace codarium::online
