#include "tests/support/scratch_folder.h"

#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <grp.h>
#include <map>
#include <sstream>
#include <stdexcept>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace codarium::testsupport {

namespace fs = std::filesystem;

ScratchFolder::ScratchFolder() {
    std::string pattern = (fs::temp_directory_path() / "codarium-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("no scratch folder could be made in " + pattern);
    }
    path_ = pattern;
}

ScratchFolder::~ScratchFolder() {
    std::error_code ec;
    // Tests take permissions away; give them back so that everything can go.
    for (auto it = fs::recursive_directory_iterator(path_, ec);
         it != fs::recursive_directory_iterator(); it.increment(ec)) {
        if (!it->is_symlink(ec)) {
            ::chmod(it->path().c_str(), 0700);
        }
    }
    ::chmod(path_.c_str(), 0700);
    fs::remove_all(path_, ec);
}

std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void writeBytes(const std::string& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

bool exists(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
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

std::string treeSnapshot(const fs::path& root) {
    std::map<std::string, std::string> entries;
    for (auto it = fs::recursive_directory_iterator(root); it != fs::recursive_directory_iterator();
         ++it) {
        const std::string path = it->path().string();
        struct stat st {};
        ::lstat(path.c_str(), &st);
        std::string entry = std::to_string(st.st_mode) + " ";
        if (it->is_symlink()) {
            entry += "-> " + fs::read_symlink(it->path()).string();
        } else if (it->is_regular_file()) {
            entry += readBytes(path);
        }
        entries[path.substr(root.string().size())] = entry;
    }
    std::string out;
    for (const auto& [path, entry] : entries) {
        out.append(path).append(": ").append(entry).append("\n");
    }
    return out;
}

bool waitUntil(const std::function<bool()>& condition, std::chrono::milliseconds limit) {
    const auto until = std::chrono::steady_clock::now() + limit;
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= until) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

bool appearsWithin(const std::string& path, int limitMs) {
    return waitUntil([&] { return exists(path); }, std::chrono::milliseconds(limitMs));
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
            for (auto it = fs::recursive_directory_iterator(folder, ec);
                 it != fs::recursive_directory_iterator(); it.increment(ec)) {
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

EnvironmentGuard::EnvironmentGuard(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) {
        saved_ = old;
    }
    if (value) {
        ::setenv(name, value, 1);
    } else {
        ::unsetenv(name);
    }
}

EnvironmentGuard::~EnvironmentGuard() {
    if (saved_) {
        ::setenv(name_, saved_->c_str(), 1);
    } else {
        ::unsetenv(name_);
    }
}

} // namespace codarium::testsupport
