#include "platform/private_file.h"

#include "platform/paths.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace codarium::platform {
namespace {

bool writeAll(int fd, std::string_view bytes) {
    const char* p = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    return true;
}

} // namespace

bool writeFreshPrivateFile(std::string_view path, std::string_view bytes) {
    const std::string target = std::string(path);
    const std::string folder = std::string(directoryOf(path));
    // mkstemp makes the file with O_EXCL and mode 0600 under a name nobody
    // can have guessed, so nothing planted beforehand is ever opened.
    std::string name = folder.empty() ? std::string(".") : folder;
    name.append("/.codarium-XXXXXX");
    const int fd = ::mkstemp(name.data());
    if (fd < 0) {
        return false;
    }
    bool ok = ::fchmod(fd, S_IRUSR | S_IWUSR) == 0 && writeAll(fd, bytes);
    ok = ::close(fd) == 0 && ok;
    // rename replaces the directory entry itself: a link at the target is
    // swapped out, not followed.
    ok = ok && ::rename(name.data(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(name.data());
    }
    return ok;
}

} // namespace codarium::platform
