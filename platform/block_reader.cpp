#include "platform/block_reader.h"

#include "platform/paths.h"

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <unistd.h>

namespace codarium::platform {

BlockReader::BlockReader(std::string_view path) {
    const std::string native = std::string(path);
    if (native.find('\0') != std::string::npos) {
        return;
    }
    handle_ = ::open(native.c_str(), O_RDONLY | O_CLOEXEC);
}

BlockReader::~BlockReader() {
    if (handle_ >= 0) {
        ::close(handle_);
    }
}

std::int64_t BlockReader::read(char* destination, std::size_t count) {
    std::size_t done = 0;
    while (done < count) {
        const ssize_t got = ::read(handle_, destination + done, count - done);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            return -1;
        }
        if (got == 0) {
            break;
        }
        done += static_cast<std::size_t>(got);
    }
    return static_cast<std::int64_t>(done);
}

} // namespace codarium::platform
