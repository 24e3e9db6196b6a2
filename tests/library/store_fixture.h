#pragma once
// A fresh program directory for each test: the working directory moves into
// a temporary folder holding Codes/ and Einstellungen/, and moves back after.
#include "platform/file_system.h"
#include "platform/paths.h"

#include <QTemporaryDir>
#include <algorithm>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace codarium::library::testing {

inline void writeFile(std::string_view path, std::string_view bytes) {
    std::ofstream out(platform::nativeFormOf(path), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string readFile(std::string_view path) {
    std::ifstream in(platform::nativeFormOf(path), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// The names in a folder, sorted.
inline std::vector<std::string> entryNames(std::string_view folder) {
    std::vector<std::string> names;
    for (const auto& entry : platform::listDirectory(folder)) {
        names.push_back(entry.name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

class StoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        previous_ = platform::currentDirectory();
        ASSERT_TRUE(platform::setCurrentDirectory(dir_.path().toStdString()));
        ASSERT_TRUE(platform::createDirectory("Codes"));
        ASSERT_TRUE(platform::createDirectory("Einstellungen"));
    }
    void TearDown() override { platform::setCurrentDirectory(previous_); }

    // A category with its folders, its code list and, for each code, a
    // source file holding `source(title)` and an empty link file.
    void addCategory(std::string_view name, std::initializer_list<std::string_view> titles,
                     const std::function<std::string(std::string_view)>& source = {});

private:
    QTemporaryDir dir_;
    std::string previous_;
};

// Every entry below the working directory, sorted by path, each with its
// kind, permission bits and bytes (a link's target): two equal snapshots
// mean that nothing in the store was written, created or removed.
std::string storeSnapshot();

// Runs `operation` in a child process without root's right to ignore file
// permissions (as "nobody" when the tests run as root) and returns its
// result; nullopt when the rights cannot be dropped.
std::optional<bool> runWithoutPrivileges(const std::function<bool()>& operation);

} // namespace codarium::library::testing
