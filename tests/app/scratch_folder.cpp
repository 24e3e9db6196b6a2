#include "scratch_folder.h"

#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <sys/stat.h>

namespace codarium::testsupport {

ScratchFolder::ScratchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "codarium-app-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("mkdtemp failed");
    }
    path_ = pattern;
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
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

std::string treeSnapshot(const std::filesystem::path& root) {
    namespace fs = std::filesystem;
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
