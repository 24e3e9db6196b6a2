#pragma once
// The operating system's open files, by native (file-system) path. On Linux
// a file is a descriptor; everything above this layer only passes it on.
// Failures are values, never exceptions.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace codarium::platform {

using NativeFile = int;
inline constexpr NativeFile NoNativeFile = -1;

enum class OpenFor {
    Reading,       // an existing file, read only
    Updating,      // read and write, created when missing
    Rewriting,     // read and write, created when missing, emptied
    WritingOver,   // write only, emptied; for files that may be written but not read
    UpdatingFound, // read and write, never created
};

enum class OpenWait {
    Block,   // an ordinary open
    NoBlock, // returns at once on a FIFO or device that has no partner yet
};

enum class OpenFailure { None, Missing, IsDirectory, Other };

struct NativeOpen {
    NativeFile file = NoNativeFile;
    OpenFailure failure = OpenFailure::None;
};

// A new file is created with the permissions the user's mask allows.
[[nodiscard]] NativeOpen openNativeFile(const std::string& nativePath, OpenFor how,
                                        OpenWait wait = OpenWait::Block);
void closeNativeFile(NativeFile file);

struct NativeFileInfo {
    bool regular = false;
    bool directory = false;
    std::int64_t size = 0;
};
[[nodiscard]] std::optional<NativeFileInfo> nativeFileInfo(NativeFile file);

// The bytes read (0 at the end), or -1 on an error. An interrupted call is
// repeated.
[[nodiscard]] std::int64_t readSome(NativeFile file, void* destination, std::size_t count);
// False when not every byte could be written.
[[nodiscard]] bool writeAll(NativeFile file, const void* source, std::size_t count);

enum class SeekFrom { Start, Current };
// The new position, or -1.
std::int64_t seekNativeFile(NativeFile file, std::int64_t offset, SeekFrom from);

} // namespace codarium::platform
