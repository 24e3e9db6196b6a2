#include "platform/block_reader.h"
#include "platform/file_mode.h"
#include "platform/network_state.h"
#include "platform/paths.h"
#include "platform/running_programs.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

namespace codarium::platform {
namespace {

namespace fs = std::filesystem;

TEST(NetworkState, LoopbackHostsNeedNoInterface) {
    for (const char* host : {"127.0.0.1", "127.1.2.3", "localhost"}) {
        EXPECT_TRUE(isLoopbackHost(host)) << host;
    }
    for (const char* host : {"10.0.0.1", "192.168.1.1", "", "no host.invalid"}) {
        EXPECT_FALSE(isLoopbackHost(host)) << host;
    }
}

TEST(RunningPrograms, FindsARunningExecutableByItsFile) {
    EXPECT_TRUE(programRunning(ownExecutablePath()));
    const fs::path copy =
        fs::temp_directory_path() / ("codarium-not-running-" + std::to_string(::getpid()));
    fs::copy_file(std::string(ownExecutablePath()), copy, fs::copy_options::overwrite_existing);
    EXPECT_FALSE(programRunning(copy.string())) << "a copy that nobody started";
    fs::remove(copy);
    EXPECT_FALSE(programRunning(copy.string())) << "a missing file";
}

TEST(FileMode, SizeAndPermissionBits) {
    const fs::path file =
        fs::temp_directory_path() / ("codarium-mode-" + std::to_string(::getpid()));
    std::ofstream(file) << "12345";
    EXPECT_EQ(fileSize(file.string()), 5);
    ASSERT_TRUE(setFileMode(file.string(), 0751));
    EXPECT_EQ(fileMode(file.string()), 0751u);
    EXPECT_EQ(fileSize(fs::temp_directory_path().string()), -1) << "a folder has no file size";

    BlockReader reader(file.string());
    ASSERT_TRUE(reader.isOpen());
    char block[8] = {};
    EXPECT_EQ(reader.read(block, 3), 3);
    EXPECT_EQ(reader.read(block, 8), 2) << "fewer only at the end";
    EXPECT_EQ(reader.read(block, 8), 0);
    fs::remove(file);
    EXPECT_EQ(fileSize(file.string()), -1);
    EXPECT_FALSE(fileMode(file.string()));
    EXPECT_FALSE(BlockReader(file.string()).isOpen());
}

} // namespace
} // namespace codarium::platform
