#include "store_fixture.h"

#include "library/store_paths.h"

#include <filesystem>
#include <map>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace codarium::library::testing {

void StoreTest::addCategory(std::string_view name, std::initializer_list<std::string_view> titles,
                            const std::function<std::string(std::string_view)>& source) {
    std::string categoryList = readFile(categoryListPath());
    categoryList.append(name).append("\r\n");
    writeFile(categoryListPath(), categoryList);
    platform::createDirectory(categorySourceDirectory(name));
    platform::createDirectory(categoryLinkDirectory(name));
    std::string codeList;
    for (const auto title : titles) {
        codeList.append(title).append("\r\n");
        writeFile(sourcePath(name, title), source ? source(title) : std::string(title));
        writeFile(linkFilePath(name, title), "");
    }
    writeFile(codeListPath(name), codeList);
}

std::string storeSnapshot() {
    namespace fs = std::filesystem;
    std::map<std::string, std::string> entries;
    for (auto it = fs::recursive_directory_iterator("."); it != fs::recursive_directory_iterator();
         ++it) {
        const std::string path = it->path().string();
        struct stat st {};
        ::lstat(path.c_str(), &st);
        std::string entry = std::to_string(st.st_mode) + " ";
        if (it->is_symlink()) {
            entry += "-> " + fs::read_symlink(it->path()).string();
        } else if (it->is_regular_file()) {
            entry += readFile(platform::libraryFormOf(path));
        }
        entries[path] = entry;
    }
    std::string out;
    for (const auto& [path, entry] : entries) {
        out.append(path).append(": ").append(entry).append("\n");
    }
    return out;
}

std::optional<bool> runWithoutPrivileges(const std::function<bool()>& operation) {
    const pid_t child = ::fork();
    if (child < 0) {
        return std::nullopt;
    }
    if (child == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) {
            ::_exit(2);
        }
        ::_exit(operation() ? 0 : 1);
    }
    int status = 0;
    if (::waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) == 2) {
        return std::nullopt;
    }
    return WEXITSTATUS(status) == 0;
}

} // namespace codarium::library::testing
