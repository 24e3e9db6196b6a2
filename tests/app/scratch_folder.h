#pragma once
// A fresh folder under the temporary directory, removed with its contents.
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace codarium::testsupport {

class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string operator/(std::string_view name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

std::string readBytes(const std::string& path);
void writeBytes(const std::string& path, std::string_view bytes);

// Every entry below `root`, sorted, with its kind, permission bits and bytes
// (a link's target): equal snapshots mean nothing there was written, created
// or removed.
std::string treeSnapshot(const std::filesystem::path& root);

// Restores the working directory when it goes out of scope.
class WorkingDirectoryGuard {
public:
    WorkingDirectoryGuard() : saved_(std::filesystem::current_path()) {}
    ~WorkingDirectoryGuard() { std::filesystem::current_path(saved_); }

private:
    std::filesystem::path saved_;
};

// Sets (or, given nullptr, removes) an environment variable and restores it
// when it goes out of scope.
class EnvironmentGuard {
public:
    EnvironmentGuard(const char* name, const char* value);
    ~EnvironmentGuard();
    EnvironmentGuard(const EnvironmentGuard&) = delete;
    EnvironmentGuard& operator=(const EnvironmentGuard&) = delete;

private:
    const char* name_;
    std::optional<std::string> saved_;
};

} // namespace codarium::testsupport
