#include "platform/file_mode.h"

#include "platform/paths.h"

#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace codarium::platform {

std::int64_t fileSize(std::string_view path) {
    struct stat st {};
    if (::stat(std::string(path).c_str(), &st) != 0 || !S_ISREG(st.st_mode)) {
        return -1;
    }
    return static_cast<std::int64_t>(st.st_size);
}

std::optional<unsigned> fileMode(std::string_view path) {
    struct stat st {};
    if (::stat(std::string(path).c_str(), &st) != 0) {
        return std::nullopt;
    }
    return static_cast<unsigned>(st.st_mode & 07777);
}

bool setFileMode(std::string_view path, unsigned mode) {
    return ::chmod(std::string(path).c_str(), static_cast<mode_t>(mode & 07777)) == 0;
}

bool mayChangeFile(std::string_view path) {
    const std::string native(path);
    struct stat st {};
    return ::stat(native.c_str(), &st) == 0 && S_ISREG(st.st_mode) && (st.st_mode & S_IWUSR) != 0 &&
           ::access(native.c_str(), W_OK) == 0;
}

} // namespace codarium::platform
