#include "platform/file_system.h"
#include "platform/paths.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>

using namespace codarium::platform;

namespace {
std::string readAll(const std::string& programPath) {
    std::ifstream in(nativePath(programPath), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}
} // namespace

TEST(FileSystem, NamesInTheCodePageBecomeUtf8OnDisk) {
    QTemporaryDir dir;
    const std::string base = programPath(dir.path().toStdString());
    const std::string umlaut = joinPath(base, "\xC4pfel"); // Äpfel
    ASSERT_TRUE(createDirectory(umlaut));
    EXPECT_TRUE(QFileInfo(dir.path() + QString::fromUtf8("/\xC3\x84pfel")).isDir());
    const auto entries = listDirectory(base);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].name, "\xC4pfel");
    EXPECT_TRUE(entries[0].isDirectory);
}

TEST(FileSystem, CopyReplacesTheDestinationAndLeavesNoTemporaryFile) {
    QTemporaryDir dir;
    const std::string base = programPath(dir.path().toStdString());
    const std::string from = joinPath(base, "a"), to = joinPath(base, "b");
    std::ofstream(nativePath(from)) << "new";
    std::ofstream(nativePath(to)) << "old and longer";
    ASSERT_TRUE(copyFileReplacing(from, to));
    EXPECT_EQ(readAll(to), "new");
    EXPECT_EQ(listDirectory(base).size(), 2u);
    EXPECT_FALSE(copyFileReplacing(joinPath(base, "missing"), to));
    EXPECT_EQ(readAll(to), "new");
}

TEST(Paths, JoinAndDirectoryOf) {
    EXPECT_EQ(joinPath("Codes", "x.pb"), "Codes/x.pb");
    EXPECT_EQ(joinPath("Codes/", "x.pb"), "Codes/x.pb");
    EXPECT_EQ(directoryOf("/a/b/c"), "/a/b");
    EXPECT_EQ(directoryOf("c"), "");
}

TEST(Paths, ApplicationDataFolderPrefersAppdataThenXdg) {
    setenv("APPDATA", "/x/appdata", 1);
    EXPECT_EQ(applicationDataFolder(), "/x/appdata");
    unsetenv("APPDATA");
    setenv("XDG_CONFIG_HOME", "/x/xdg", 1);
    EXPECT_EQ(applicationDataFolder(), "/x/xdg");
    unsetenv("XDG_CONFIG_HOME");
    setenv("HOME", "/x/home", 1);
    EXPECT_EQ(applicationDataFolder(), "/x/home/.config");
}

TEST(Paths, OwnExecutablePathNamesThisTest) {
    EXPECT_NE(ownExecutablePath().find("platform_tests"), std::string::npos);
}

TEST(FileSystem, ReadWholeFileReadsEveryByteOfFilesOfAnySize) {
    QTemporaryDir dir;
    const std::string base = programPath(dir.path().toStdString());
    std::string buffer = "stale";
    for (const std::size_t size :
         {std::size_t{0}, std::size_t{1}, std::size_t{65536}, std::size_t{200001}}) {
        std::string bytes(size, '\0');
        for (std::size_t i = 0; i < size; ++i) {
            bytes[i] = static_cast<char>(i * 7);
        }
        const std::string path = joinPath(base, "f" + std::to_string(size));
        std::ofstream(nativePath(path), std::ios::binary) << bytes;
        ASSERT_TRUE(readWholeFile(path, buffer)) << size;
        EXPECT_EQ(buffer, bytes) << size;
    }
    EXPECT_FALSE(readWholeFile(joinPath(base, "missing"), buffer));
    EXPECT_FALSE(readWholeFile(base, buffer)); // a directory cannot be read
}
