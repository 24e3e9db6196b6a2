#include "platform/file_tree.h"

#include "platform/file_system.h"
#include "platform/paths.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace codarium::platform {
namespace {

bool linkStatOf(std::string_view path, struct stat& st) {
    return ::lstat(std::string(path).c_str(), &st) == 0;
}

} // namespace

bool isWritableDirectory(std::string_view path) {
    return directoryExists(path) && ::access(std::string(path).c_str(), W_OK | X_OK) == 0;
}

bool entryExists(std::string_view path) {
    struct stat st {};
    return linkStatOf(path, st);
}

bool isSymbolicLink(std::string_view path) {
    struct stat st {};
    return linkStatOf(path, st) && S_ISLNK(st.st_mode);
}

std::string symbolicLinkTarget(std::string_view path) {
    char buffer[PATH_MAX];
    const ssize_t n = ::readlink(std::string(path).c_str(), buffer, sizeof buffer);
    if (n <= 0 || static_cast<std::size_t>(n) >= sizeof buffer) {
        return {};
    }
    return std::string(buffer, static_cast<std::size_t>(n));
}

bool createSymbolicLink(std::string_view target, std::string_view link) {
    return ::symlink(std::string(target).c_str(), std::string(link).c_str()) == 0;
}

bool replaceWithSymbolicLink(std::string_view target, std::string_view link) {
    // A new link beside the old entry, renamed over it: readers see the old
    // entry or the new link, never a gap.
    const std::string temp = std::string(link) + ".link-tmp";
    removeFile(temp);
    if (!createSymbolicLink(target, temp)) {
        return false;
    }
    if (renameReplacing(temp, link)) {
        return true;
    }
    removeFile(temp);
    return false;
}

std::string createUniqueDirectory(std::string_view prefix) {
    std::string name = std::string(prefix) + "XXXXXX";
    if (::mkdtemp(name.data()) == nullptr) {
        return {};
    }
    return std::string(name);
}

bool copyTree(std::string_view from, std::string_view to) {
    if (!directoryExists(from) || !createDirectory(to)) {
        return false;
    }
    for (const DirectoryEntry& entry : listDirectory(from)) {
        const std::string source = joinPath(from, entry.name);
        const std::string target = joinPath(to, entry.name);
        const bool copied =
            entry.isDirectory ? copyTree(source, target) : copyFileReplacing(source, target);
        if (!copied) {
            return false;
        }
    }
    return true;
}

} // namespace codarium::platform
