#include "platform/atomic_save_leftovers.h"

#include <cerrno>
#include <climits>
#include <csignal>
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

namespace codarium::platform {
namespace {

// A plain decimal of at most `maxDigits` digits without a sign or a leading
// zero (the names are made from std::to_string, which writes neither).
bool readNumber(std::string_view text, std::size_t maxDigits, unsigned long long& value) {
    if (text.empty() || text.size() > maxDigits || (text.size() > 1 && text[0] == '0')) {
        return false;
    }
    value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
        value = value * 10 + static_cast<unsigned long long>(c - '0');
    }
    return true;
}

} // namespace

long temporaryOwner(std::string_view name, std::string_view stemName) {
    if (stemName.empty() || name.size() <= stemName.size() + 1 ||
        name.substr(0, stemName.size()) != stemName || name[stemName.size()] != '-') {
        return 0;
    }
    const std::string_view rest = name.substr(stemName.size() + 1);
    const auto dash = rest.find('-');
    if (dash == std::string_view::npos) {
        return 0;
    }
    unsigned long long pid = 0;
    unsigned long long counter = 0;
    if (!readNumber(rest.substr(0, dash), 10, pid) ||
        !readNumber(rest.substr(dash + 1), 10, counter) || pid == 0 ||
        pid > static_cast<unsigned long long>(INT_MAX)) {
        return 0;
    }
    return static_cast<long>(pid);
}

bool processMayRun(long pid) {
    if (pid <= 0 || pid > INT_MAX) {
        return true;
    }
    if (pid == static_cast<long>(::getpid())) {
        return true;
    }
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH;
}

std::size_t removeLeftoverTemporaries(const std::string& nativeStem) {
    const auto slash = nativeStem.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string(".")
                               : slash == 0               ? std::string("/")
                                                          : nativeStem.substr(0, slash);
    const std::string stemName =
        slash == std::string::npos ? nativeStem : nativeStem.substr(slash + 1);
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) {
        return 0;
    }
    std::size_t removed = 0;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name = entry->d_name;
        const long owner = temporaryOwner(name, stemName);
        if (owner == 0 || processMayRun(owner)) {
            continue;
        }
        const std::string path = folder + "/" + std::string(name);
        struct stat status {};
        // Only a file a save could have made; never a folder or a link.
        if (::lstat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode) &&
            ::unlink(path.c_str()) == 0) {
            ++removed;
        }
    }
    ::closedir(dir);
    return removed;
}

} // namespace codarium::platform
