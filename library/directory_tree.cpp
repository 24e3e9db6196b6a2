#include "library/directory_tree.h"

#include "platform/paths.h"

#include <filesystem>
#include <system_error>
#include <vector>

namespace codarium::library {
namespace {

namespace fs = std::filesystem;

void makeWritable(const fs::path& path) {
    std::error_code ec;
    fs::permissions(path, fs::perms::owner_all, fs::perm_options::add | fs::perm_options::nofollow,
                    ec);
}

// Removes what it can and carries on past failures, so that one stubborn
// entry does not keep the rest of the tree.
bool removeTree(const fs::path& dir) {
    makeWritable(dir);
    std::vector<fs::path> entries;
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        entries.push_back(it->path());
    }
    bool complete = !ec;
    for (const auto& entry : entries) {
        std::error_code typeError;
        const auto status = fs::symlink_status(entry, typeError);
        if (!typeError && fs::is_directory(status)) {
            complete = removeTree(entry) && complete;
            continue;
        }
        std::error_code removeError;
        complete = fs::remove(entry, removeError) && complete;
    }
    std::error_code removeError;
    fs::remove(dir, removeError);
    return complete && !removeError;
}

} // namespace

bool removeDirectoryTree(std::string_view path) {
    if (path.empty()) {
        return false;
    }
    const fs::path dir(platform::nativePath(path));
    std::error_code ec;
    const auto status = fs::symlink_status(dir, ec);
    if (status.type() == fs::file_type::not_found) {
        return true;
    }
    if (ec) {
        return false;
    }
    if (!fs::is_directory(status)) {
        return false;
    }
    return removeTree(dir);
}

} // namespace codarium::library
