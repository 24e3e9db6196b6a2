#pragma once
// The tests' shared scratch space: a fresh folder under the temporary
// directory, removed with everything in it afterwards, and the whole-file,
// tree and environment helpers the tests check exact results with.
#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace codarium::testsupport {

class ScratchFolder {
public:
    ScratchFolder(); // throws when no folder can be made
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // The path of `name` inside the folder.
    std::string file(std::string_view name) const { return (path_ / name).string(); }
    std::string operator/(std::string_view name) const { return file(name); }

private:
    std::filesystem::path path_;
};

std::string readBytes(const std::string& path);
void writeBytes(const std::string& path, std::string_view bytes);
// Whether anything is there, a dangling link included.
bool exists(const std::string& path);
int entryCount(const std::string& folder);

// Every entry below `root`, sorted, with its kind, permission bits and bytes
// (a link's target): equal snapshots mean nothing there was written, created
// or removed.
std::string treeSnapshot(const std::filesystem::path& root);

// Asks `condition` every few milliseconds until it holds, for at most
// `limit`; true as soon as it does. Tests wait on what they need instead of
// a fixed time: quick when the program is, and a check that something does
// not happen fails at once when it does.
bool waitUntil(const std::function<bool()>& condition, std::chrono::milliseconds limit);
// Watches for a file to appear for at most `limitMs`.
bool appearsWithin(const std::string& path, int limitMs);

// Runs body in a child process that permissions bind: when the tests run as
// root, the child first hands the folder to an unprivileged user and becomes
// that user. Returns the body's result, or -1 when the child did not finish.
int runUnprivileged(const std::string& folder, const std::function<int()>& body);

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
