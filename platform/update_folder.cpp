#include "platform/update_folder.h"

#include "platform/paths.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace codarium::platform {

FolderHold::FolderHold(std::string_view folder) {
    handle_ = ::open(std::string(folder).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    // flock, not a record lock: it belongs to this open description, so a
    // second hold in the same process is refused as well.
    if (handle_ >= 0 && ::flock(handle_, LOCK_EX | LOCK_NB) != 0) {
        ::close(handle_);
        handle_ = -1;
    }
}

FolderHold::~FolderHold() {
    if (handle_ >= 0) {
        ::close(handle_);
    }
}

bool processRunning(long processId) {
    if (processId <= 0) {
        return false;
    }
    return ::kill(static_cast<pid_t>(processId), 0) == 0 || errno == EPERM;
}

bool removeEmptyFolder(std::string_view path) {
    return ::rmdir(std::string(path).c_str()) == 0;
}

} // namespace codarium::platform
