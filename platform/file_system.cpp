#include "platform/file_system.h"

#include "platform/atomic_save.h"
#include "platform/paths.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace codarium::platform {
namespace {

bool statOf(std::string_view path, struct stat& st) {
    return ::stat(std::string(path).c_str(), &st) == 0;
}

// Opens `name` relative to `directory` (AT_FDCWD: the working folder) when it
// is a regular file, and reports its status. Non-blocking only so that a
// FIFO cannot hold the open; it is refused, and reads of a regular file
// never wait whatever the flag says.
int openRegularAt(int directory, std::string_view name, int flags, struct stat& st) {
    const int fd = ::openat(directory, std::string(name).c_str(),
                            flags | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0666);
    if (fd < 0) {
        return -1;
    }
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// Reads an open file to its end into buffer, which grows as needed and may
// keep bytes past the count returned; closes the file. Nothing when a read
// fails. The buffer holds one byte more than `size` from the start: a read
// that comes back short of the request after the whole size is in has met
// the end, without a further read that returns nothing. A size of 0 tells
// nothing (the system's own status files have it), so such a file is read
// until a read returns nothing.
std::optional<std::size_t> readToEnd(int fd, std::size_t size, std::string& buffer) {
    std::size_t used = 0;
    bool ok = true;
    for (;;) {
        // Room for a file of known size and one byte more; past that, or
        // for a size of 0, 64 KiB more at a time. A new buffer is filled
        // with zeros as it grows, so a small file must not grow it by more.
        const std::size_t wanted = size > 0 && used <= size ? size + 1 : used + 65536;
        if (buffer.size() < wanted) {
            buffer.resize(wanted);
        }
        const std::size_t room = buffer.size() - used;
        const ssize_t n = ::read(fd, buffer.data() + used, room);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            ok = n == 0;
            break;
        }
        used += static_cast<std::size_t>(n);
        if (size > 0 && static_cast<std::size_t>(n) < room && used >= size) {
            break;
        }
    }
    ::close(fd);
    if (!ok) {
        return std::nullopt;
    }
    return used;
}

} // namespace

bool pathExists(std::string_view path) {
    struct stat st {};
    return statOf(path, st);
}

bool fileExists(std::string_view path) {
    struct stat st {};
    return statOf(path, st) && S_ISREG(st.st_mode);
}

bool directoryExists(std::string_view path) {
    struct stat st {};
    return statOf(path, st) && S_ISDIR(st.st_mode);
}

bool createDirectory(std::string_view path) {
    return ::mkdir(std::string(path).c_str(), 0777) == 0;
}

bool createDirectoryPath(std::string_view path) {
    const std::string native = std::string(path);
    for (std::size_t slash = native.find('/', 1); slash != std::string::npos;
         slash = native.find('/', slash + 1)) {
        ::mkdir(native.substr(0, slash).c_str(), 0700); // an existing one is fine
    }
    ::mkdir(native.c_str(), 0700);
    return directoryExists(path);
}

int openRegularFile(std::string_view path, int flags) {
    struct stat st {};
    const int fd = openRegularAt(AT_FDCWD, path, flags, st);
    if (fd < 0) {
        return -1;
    }
    // Reads of a regular file never wait anyway; the flag only kept the open
    // from waiting on a FIFO's other end.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

bool removeFile(std::string_view path) {
    return ::unlink(std::string(path).c_str()) == 0;
}

bool renameReplacing(std::string_view from, std::string_view to) {
    return ::rename(std::string(from).c_str(), std::string(to).c_str()) == 0;
}

bool addFileName(std::string_view existing, std::string_view newName) {
    return ::link(std::string(existing).c_str(), std::string(newName).c_str()) == 0;
}

bool copyFileReplacing(std::string_view from, std::string_view to) {
    std::string bytes;
    return readWholeFile(from, bytes) &&
           saveFile(std::string(to), bytes, ReplaceMode::Replace).ok();
}

bool readWholeFile(std::string_view path, std::string& buffer) {
    struct stat st {};
    const int fd = openRegularAt(AT_FDCWD, path, O_RDONLY, st);
    if (fd < 0) {
        return false;
    }
    const auto used = readToEnd(fd, static_cast<std::size_t>(st.st_size), buffer);
    buffer.resize(used.value_or(0));
    return used.has_value();
}

int openDirectoryHandle(std::string_view path) {
    return ::open(std::string(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
}

void closeDirectoryHandle(int handle) {
    if (handle >= 0) {
        ::close(handle);
    }
}

std::optional<std::size_t> readFileIn(int directory, std::string_view name, std::string& buffer) {
    struct stat st {};
    const int fd = openRegularAt(directory, name, O_RDONLY, st);
    if (fd < 0) {
        return std::nullopt;
    }
    return readToEnd(fd, static_cast<std::size_t>(st.st_size), buffer);
}

std::vector<DirectoryEntry> listDirectory(std::string_view path) {
    std::vector<DirectoryEntry> entries;
    DIR* dir = ::opendir(std::string(path).c_str());
    if (!dir) {
        return entries;
    }
    while (const dirent* e = ::readdir(dir)) {
        const std::string_view name = e->d_name;
        if (name == "." || name == "..") {
            continue;
        }
        DirectoryEntry entry{std::string(name), false};
        if (e->d_type == DT_DIR) {
            entry.isDirectory = true;
        } else if (e->d_type == DT_UNKNOWN || e->d_type == DT_LNK) {
            entry.isDirectory = directoryExists(joinPath(path, entry.name));
        }
        entries.push_back(std::move(entry));
    }
    ::closedir(dir);
    return entries;
}

} // namespace codarium::platform
