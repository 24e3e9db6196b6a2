#pragma once
// The fingerprint a release index lists for each file: the MD5 digest of its
// bytes. Shared by the update check and the updater.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace codarium::online {

inline constexpr std::size_t FingerprintBlockSize = 1048576;

// The read buffer, had once and reused for every file of a run.
class FingerprintBuffer {
public:
    // False when the buffer could not be had.
    bool ensure();
    char* data() { return block_.data(); }

private:
    std::vector<char> block_;
};

// The digest of the file's bytes as 32 lower-case hexadecimal digits, first
// byte first; "" when the file cannot be opened for reading, a read fails, or
// the buffer cannot be had.
std::string fileFingerprint(std::string_view path, FingerprintBuffer& buffer);

} // namespace codarium::online
