#include "runtime/atomic_file.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace codarium {
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

std::string folderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? std::string("/") : path.substr(0, slash);
}

// The file a path names after following symbolic links; the path itself when
// it names nothing yet.
std::string resolvedTarget(const std::string& path) {
    char buffer[PATH_MAX];
    if (::realpath(path.c_str(), buffer) != nullptr) {
        return buffer;
    }
    return path;
}

int createTemporary(const std::string& target, std::string& tempPath) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 16; ++attempt) {
        tempPath = target + ".tmp-" + std::to_string(::getpid()) + "-" +
                   std::to_string(counter.fetch_add(1));
        const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

// Renames without replacing: fails when the name is taken meanwhile.
bool renameNoReplace(const std::string& from, const std::string& to) {
#ifdef RENAME_NOREPLACE
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) {
        return true;
    }
    if (errno != EINVAL && errno != ENOSYS) {
        return false;
    }
#endif
    if (::link(from.c_str(), to.c_str()) != 0) {
        return false;
    }
    ::unlink(from.c_str());
    return true;
}

void syncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

bool writeFileAtomically(const std::string& nativeTarget, std::string_view bytes,
                         ReplaceMode mode) {
    const std::string target =
        mode == ReplaceMode::Replace ? resolvedTarget(nativeTarget) : nativeTarget;
    struct stat old {};
    const bool hadOld = ::stat(target.c_str(), &old) == 0;
    if (mode == ReplaceMode::CreateOnly && (hadOld || errno != ENOENT)) {
        return false;
    }
    std::string tempPath;
    const int fd = createTemporary(target, tempPath);
    if (fd < 0) {
        return false;
    }
    bool ok = writeAll(fd, bytes);
    if (ok && hadOld) {
        ok = ::fchmod(fd, old.st_mode & 07777) == 0;
    }
    ok = ok && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    if (ok) {
        ok = mode == ReplaceMode::Replace ? ::rename(tempPath.c_str(), target.c_str()) == 0
                                          : renameNoReplace(tempPath, target);
    }
    if (!ok) {
        ::unlink(tempPath.c_str());
        return false;
    }
    syncFolder(folderOf(target));
    return true;
}

} // namespace codarium
