#include "test_folder.h"

#include <chrono>
#include <cstdlib>
#include <dirent.h>
#include <filesystem>
#include <fstream>
#include <grp.h>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace codarium::testing {

TestFolder::TestFolder() {
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/codarium-rt-XXXXXX";
    if (char* made = ::mkdtemp(pattern.data())) {
        path_ = made;
    }
}

TestFolder::~TestFolder() {
    if (path_.empty()) {
        return;
    }
    std::error_code ec;
    // Tests take permissions away; give them back so everything can go.
    for (auto it = std::filesystem::recursive_directory_iterator(path_, ec);
         it != std::filesystem::recursive_directory_iterator(); it.increment(ec)) {
        ::chmod(it->path().c_str(), 0700);
    }
    ::chmod(path_.c_str(), 0700);
    std::filesystem::remove_all(path_, ec);
}

void writeBytes(const std::string& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

bool exists(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

bool appearsWithin(const std::string& path, int limitMs) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(limitMs);
    while (!exists(path)) {
        if (std::chrono::steady_clock::now() >= until) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

int entryCount(const std::string& folder) {
    int count = 0;
    if (DIR* d = ::opendir(folder.c_str())) {
        while (const dirent* e = ::readdir(d)) {
            const std::string_view name = e->d_name;
            if (name != "." && name != "..") {
                ++count;
            }
        }
        ::closedir(d);
    }
    return count;
}

int runUnprivileged(const std::string& folder, const std::function<int()>& body) {
    const pid_t child = ::fork();
    if (child < 0) {
        return -1;
    }
    if (child == 0) {
        if (::geteuid() == 0) {
            constexpr uid_t kNobody = 65534;
            std::error_code ec;
            ::lchown(folder.c_str(), kNobody, kNobody);
            for (auto it = std::filesystem::recursive_directory_iterator(folder, ec);
                 it != std::filesystem::recursive_directory_iterator(); it.increment(ec)) {
                ::lchown(it->path().c_str(), kNobody, kNobody);
            }
            if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) {
                ::_exit(125);
            }
        }
        ::_exit(body());
    }
    int status = 0;
    if (::waitpid(child, &status, 0) != child || !WIFEXITED(status)) {
        return -1;
    }
    return WEXITSTATUS(status);
}

} // namespace codarium::testing
