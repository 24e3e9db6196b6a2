#include "platform/remove_tree.h"

#include "platform/paths.h"

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace codarium::platform {
namespace {

constexpr int DirectoryOpenFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;

// The names in an open directory other than "." and "..". Read completely
// before anything is removed, since removing while reading may skip entries.
bool readNames(int dirFd, std::vector<std::string>& names) {
    const int copy = ::dup(dirFd);
    if (copy < 0) {
        return false;
    }
    DIR* dir = ::fdopendir(copy);
    if (dir == nullptr) {
        ::close(copy);
        return false;
    }
    errno = 0;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name = entry->d_name;
        if (name != "." && name != "..") {
            names.emplace_back(name);
        }
        errno = 0;
    }
    const bool complete = errno == 0;
    ::closedir(dir);
    return complete;
}

bool removeContents(int dirFd);

// Removes the entry `name` of the open directory dirFd. A folder is opened
// with O_NOFOLLOW relative to its parent, so a link put in its place is
// never entered.
bool removeEntry(int dirFd, const std::string& name) {
    struct stat st {};
    if (::fstatat(dirFd, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
        return errno == ENOENT;
    }
    if (!S_ISDIR(st.st_mode)) {
        return ::unlinkat(dirFd, name.c_str(), 0) == 0 || errno == ENOENT;
    }
    // Reading and unlinking inside a folder needs read, write and search
    // rights on it; a read-only folder gets them first.
    if ((st.st_mode & S_IRWXU) != S_IRWXU) {
        ::fchmodat(dirFd, name.c_str(), (st.st_mode & 07777) | S_IRWXU, 0);
    }
    const int childFd = ::openat(dirFd, name.c_str(), DirectoryOpenFlags);
    bool complete = false;
    if (childFd >= 0) {
        complete = removeContents(childFd);
        ::close(childFd);
    } else if (errno == ELOOP || errno == ENOTDIR) {
        // Swapped for a link or a file since it was looked at.
        return ::unlinkat(dirFd, name.c_str(), 0) == 0;
    }
    return ::unlinkat(dirFd, name.c_str(), AT_REMOVEDIR) == 0 && complete;
}

bool removeContents(int dirFd) {
    std::vector<std::string> names;
    bool complete = readNames(dirFd, names);
    for (const auto& name : names) {
        complete = removeEntry(dirFd, name) && complete;
    }
    return complete;
}

} // namespace

bool removeTree(std::string_view path) {
    if (path.empty()) {
        return false;
    }
    const std::string native = std::string(path);
    struct stat st {};
    if (::lstat(native.c_str(), &st) != 0) {
        return errno == ENOENT;
    }
    if (S_ISLNK(st.st_mode)) {
        return ::unlink(native.c_str()) == 0;
    }
    if (!S_ISDIR(st.st_mode)) {
        return false;
    }
    if ((st.st_mode & S_IRWXU) != S_IRWXU) {
        ::chmod(native.c_str(), (st.st_mode & 07777) | S_IRWXU);
    }
    const int fd = ::open(native.c_str(), DirectoryOpenFlags);
    if (fd < 0) {
        return false;
    }
    const bool complete = removeContents(fd);
    ::close(fd);
    return ::rmdir(native.c_str()) == 0 && complete;
}

} // namespace codarium::platform
