#include "platform/running_programs.h"

#include "platform/paths.h"

#include <cctype>
#include <climits>
#include <cstdlib>
#include <dirent.h>
#include <string>
#include <unistd.h>

namespace codarium::platform {
namespace {

bool allDigits(const char* name) {
    if (*name == '\0') {
        return false;
    }
    for (; *name != '\0'; ++name) {
        if (std::isdigit(static_cast<unsigned char>(*name)) == 0) {
            return false;
        }
    }
    return true;
}

} // namespace

bool programRunning(std::string_view path) {
    char resolved[PATH_MAX];
    const std::string native = std::string(path);
    if (::realpath(native.c_str(), resolved) == nullptr) {
        return false;
    }
    const std::string wanted = resolved;
    DIR* processes = ::opendir("/proc");
    if (processes == nullptr) {
        return false;
    }
    bool running = false;
    while (const dirent* entry = ::readdir(processes)) {
        if (!allDigits(entry->d_name)) {
            continue;
        }
        const std::string link = std::string("/proc/") + entry->d_name + "/exe";
        char target[PATH_MAX];
        const ssize_t length = ::readlink(link.c_str(), target, sizeof target - 1);
        if (length > 0 && std::string(target, static_cast<std::size_t>(length)) == wanted) {
            running = true;
            break;
        }
    }
    ::closedir(processes);
    return running;
}

} // namespace codarium::platform
