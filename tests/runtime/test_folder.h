#pragma once
// A fresh folder per test, removed with everything in it afterwards, and
// whole-file helpers for checking exact bytes.
#include <functional>
#include <string>
#include <string_view>

namespace codarium::testing {

class TestFolder {
public:
    TestFolder();
    ~TestFolder();
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    const std::string& path() const { return path_; }
    std::string file(std::string_view name) const { return path_ + "/" + std::string(name); }

private:
    std::string path_;
};

void writeBytes(const std::string& path, std::string_view bytes);
std::string readBytes(const std::string& path);
bool exists(const std::string& path);
int entryCount(const std::string& folder);
// Watches for a file to appear, looking every few milliseconds, for at most
// `limitMs`; true as soon as it does. For checks that something did not
// happen, which then fail at once instead of after a fixed wait.
bool appearsWithin(const std::string& path, int limitMs);

// Runs body in a child process that permissions bind: when the tests run as
// root, the child first hands the folder to an unprivileged user and becomes
// that user. Returns the body's result, or -1 when the child did not finish.
int runUnprivileged(const std::string& folder, const std::function<int()>& body);

} // namespace codarium::testing
