#include "platform/native_file.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace codarium::platform {
namespace {

int openFlags(OpenFor how) {
    switch (how) {
    case OpenFor::Reading:
        return O_RDONLY;
    case OpenFor::Updating:
        return O_RDWR | O_CREAT;
    case OpenFor::Rewriting:
        return O_RDWR | O_CREAT | O_TRUNC;
    case OpenFor::WritingOver:
        return O_WRONLY | O_TRUNC;
    case OpenFor::UpdatingFound:
        return O_RDWR;
    }
    return O_RDONLY;
}

OpenFailure failureOf(int error) {
    switch (error) {
    case ENOENT:
        return OpenFailure::Missing;
    case EISDIR:
        return OpenFailure::IsDirectory;
    default:
        return OpenFailure::Other;
    }
}

} // namespace

NativeOpen openNativeFile(const std::string& nativePath, OpenFor how, OpenWait wait) {
    int flags = openFlags(how) | O_CLOEXEC | O_NOCTTY;
    if (wait == OpenWait::NoBlock) {
        flags |= O_NONBLOCK;
    }
    const int fd = ::open(nativePath.c_str(), flags, 0666);
    if (fd < 0) {
        return {NoNativeFile, failureOf(errno)};
    }
    return {fd, OpenFailure::None};
}

void closeNativeFile(NativeFile file) {
    if (file >= 0) {
        ::close(file);
    }
}

std::optional<NativeFileInfo> nativeFileInfo(NativeFile file) {
    struct stat st {};
    if (::fstat(file, &st) != 0) {
        return std::nullopt;
    }
    return NativeFileInfo{S_ISREG(st.st_mode), S_ISDIR(st.st_mode),
                          static_cast<std::int64_t>(st.st_size)};
}

std::int64_t readSome(NativeFile file, void* destination, std::size_t count) {
    for (;;) {
        const ssize_t n = ::read(file, destination, count);
        if (n >= 0 || errno != EINTR) {
            return n;
        }
    }
}

bool writeAll(NativeFile file, const void* source, std::size_t count) {
    const auto* data = static_cast<const char*>(source);
    while (count > 0) {
        const ssize_t n = ::write(file, data, count);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        data += n;
        count -= static_cast<std::size_t>(n);
    }
    return true;
}

std::int64_t seekNativeFile(NativeFile file, std::int64_t offset, SeekFrom from) {
    return ::lseek(file, static_cast<off_t>(offset), from == SeekFrom::Start ? SEEK_SET : SEEK_CUR);
}

} // namespace codarium::platform
