#include "platform/file_system.h"
#include "platform/paths.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <fcntl.h>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using namespace codarium::platform;

namespace {
std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}
} // namespace

TEST(FileSystem, LibraryNamesBecomeUtf8OnDiskAndListBackAsNativeNames) {
    QTemporaryDir dir;
    const std::string base = dir.path().toStdString();
    const std::string umlaut = joinLibraryName(base, "\xC4pfel"); // Äpfel in Windows-1252
    ASSERT_TRUE(createDirectory(umlaut));
    EXPECT_TRUE(QFileInfo(dir.path() + QString::fromUtf8("/\xC3\x84pfel")).isDir());
    const auto entries = listDirectory(base);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].name, "\xC3\x84pfel");
    EXPECT_EQ(libraryFormOf(entries[0].name), "\xC4pfel");
    EXPECT_TRUE(entries[0].isDirectory);
}

TEST(FileSystem, CopyReplacesTheDestinationAndLeavesNoTemporaryFile) {
    QTemporaryDir dir;
    const std::string base = dir.path().toStdString();
    const std::string from = joinPath(base, "a"), to = joinPath(base, "b");
    std::ofstream(std::string(from)) << "new";
    std::ofstream(std::string(to)) << "old and longer";
    ASSERT_TRUE(copyFileReplacing(from, to));
    EXPECT_EQ(readAll(to), "new");
    EXPECT_EQ(listDirectory(base).size(), 2u);
    EXPECT_FALSE(copyFileReplacing(joinPath(base, "missing"), to));
    EXPECT_FALSE(copyFileReplacing("/dev/zero", to)) << "only a regular file is copied";
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
    setenv("HOME", "/x/home", 1);
    // A relative base folder counts as unset.
    for (const char* relative : {"xdg", "./xdg", "~/xdg", ""}) {
        setenv("XDG_CONFIG_HOME", relative, 1);
        EXPECT_EQ(applicationDataFolder(), "/x/home/.config") << relative;
        EXPECT_EQ(xdgFolderValue("XDG_CONFIG_HOME"), "") << relative;
    }
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(applicationDataFolder(), "/x/home/.config");
}

TEST(FileSystem, CreateDirectoryPathMakesEveryMissingFolderPrivate) {
    QTemporaryDir dir;
    const std::string base = dir.path().toStdString();
    const std::string deep = joinPath(base, "a/b/c");
    ASSERT_TRUE(createDirectoryPath(deep));
    for (const char* made : {"a", "a/b", "a/b/c"}) {
        struct stat st {};
        ASSERT_EQ(::stat(std::string(joinPath(base, made)).c_str(), &st), 0) << made;
        EXPECT_EQ(st.st_mode & 0077, 0u) << made;
    }
    // Existing folders are fine, also with a trailing separator; a file in
    // the way is not.
    EXPECT_TRUE(createDirectoryPath(deep));
    EXPECT_TRUE(createDirectoryPath(joinPath(base, "a/b/")));
    std::ofstream(std::string(joinPath(base, "file"))) << "x";
    EXPECT_FALSE(createDirectoryPath(joinPath(base, "file/sub")));
    EXPECT_FALSE(createDirectoryPath(joinPath(base, "file")));
    EXPECT_FALSE(createDirectoryPath(""));
}

TEST(FileSystem, OnlyRegularFilesOpenAndNothingWaits) {
    QTemporaryDir dir;
    const std::string base = dir.path().toStdString();
    const std::string fifo = joinPath(base, "fifo.pb");
    ASSERT_EQ(::mkfifo(std::string(fifo).c_str(), 0600), 0);
    const std::string socketPath = joinPath(base, "sock.pb");
    const int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string native = std::string(socketPath);
    ASSERT_LT(native.size(), sizeof address.sun_path);
    std::copy(native.begin(), native.end(), address.sun_path);
    ASSERT_EQ(::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    std::ofstream(std::string(joinPath(base, "plain.pb"))) << "text";

    // Without a writer (or reader) at the other end a plain open of the FIFO
    // would wait for ever; here each returns at once.
    struct Case {
        std::string path;
        int flags;
        bool opens;
    };
    const Case cases[] = {
        {fifo, O_RDONLY, false},
        {fifo, O_RDWR, false},
        {fifo, O_WRONLY, false},
        {socketPath, O_RDONLY, false},
        {"/dev/null", O_RDONLY, false},
        {base, O_RDONLY, false},
        {joinPath(base, "none"), O_RDONLY, false},
        {joinPath(base, "plain.pb"), O_RDONLY, true},
        {joinPath(base, "plain.pb"), O_RDWR, true},
    };
    for (const Case& c : cases) {
        const int fd = openRegularFile(c.path, c.flags);
        EXPECT_EQ(fd >= 0, c.opens) << c.path << " " << c.flags;
        if (fd >= 0) {
            EXPECT_EQ(::fcntl(fd, F_GETFL) & O_NONBLOCK, 0) << "left non-blocking";
            ::close(fd);
        }
    }
    std::string buffer = "previous";
    EXPECT_FALSE(readWholeFile(fifo, buffer));
    EXPECT_FALSE(readWholeFile("/dev/zero", buffer));
    ASSERT_TRUE(readWholeFile(joinPath(base, "plain.pb"), buffer));
    EXPECT_EQ(buffer, "text");
    ::close(listener);
}

TEST(Paths, OwnExecutablePathNamesThisTest) {
    EXPECT_NE(ownExecutablePath().find("platform_tests"), std::string::npos);
}

TEST(FileSystem, ReadWholeFileReadsEveryByteOfFilesOfAnySize) {
    QTemporaryDir dir;
    const std::string base = dir.path().toStdString();
    std::string buffer = "stale";
    for (const std::size_t size :
         {std::size_t{0}, std::size_t{1}, std::size_t{65536}, std::size_t{200001}}) {
        std::string bytes(size, '\0');
        for (std::size_t i = 0; i < size; ++i) {
            bytes[i] = static_cast<char>(i * 7);
        }
        const std::string path = joinPath(base, "f" + std::to_string(size));
        std::ofstream(std::string(path), std::ios::binary) << bytes;
        ASSERT_TRUE(readWholeFile(path, buffer)) << size;
        EXPECT_EQ(buffer, bytes) << size;
    }
    EXPECT_FALSE(readWholeFile(joinPath(base, "missing"), buffer));
    EXPECT_FALSE(readWholeFile(base, buffer)); // a directory cannot be read
}

TEST(FileSystem, FilesThatReportNoSizeAreReadToTheirEnd) {
    // The system's status files give a size of 0 and their text in reads of
    // a page each; the size must not end the reading after the first.
    std::string whole;
    ASSERT_TRUE(readWholeFile("/proc/self/smaps", whole));
    EXPECT_GT(whole.size(), 4096u);
    EXPECT_EQ(whole.back(), '\n');

    const int folder = openDirectoryHandle("/proc/self");
    ASSERT_GE(folder, 0);
    std::string buffer;
    const auto length = readFileIn(folder, "smaps", buffer);
    closeDirectoryHandle(folder);
    ASSERT_TRUE(length);
    EXPECT_GT(*length, 4096u);
    EXPECT_EQ(buffer[*length - 1], '\n');
}

TEST(FileSystem, ReadFileInAFolderHandleReadsEveryByteAndRefusesWhatIsNoFile) {
    QTemporaryDir dir;
    const std::string base = dir.path().toStdString();
    const int folder = openDirectoryHandle(base);
    ASSERT_GE(folder, 0);
    EXPECT_EQ(openDirectoryHandle(joinPath(base, "missing")), -1);
    // Large first, then small: the buffer keeps its size and only the length
    // returned tells where the file ends.
    std::string buffer;
    for (const std::size_t size : {std::size_t{200001}, std::size_t{65536}, std::size_t{65535},
                                   std::size_t{1}, std::size_t{0}}) {
        std::string bytes(size, '\0');
        for (std::size_t i = 0; i < size; ++i) {
            bytes[i] = static_cast<char>(i * 13);
        }
        const std::string name = "\xC4nderung " + std::to_string(size) + ".pb";
        std::ofstream(std::string(joinPath(base, name)), std::ios::binary) << bytes;
        const auto length = readFileIn(folder, name, buffer);
        ASSERT_TRUE(length) << size;
        ASSERT_EQ(*length, size);
        EXPECT_EQ(std::string_view(buffer.data(), *length), bytes) << size;
    }
    ASSERT_EQ(::mkfifo(std::string(joinPath(base, "rohr.pb")).c_str(), 0600), 0);
    ASSERT_TRUE(createDirectory(joinPath(base, "ordner.pb")));
    EXPECT_FALSE(readFileIn(folder, "rohr.pb", buffer)); // refused, not waited on
    EXPECT_FALSE(readFileIn(folder, "ordner.pb", buffer));
    EXPECT_FALSE(readFileIn(folder, "missing.pb", buffer));
    closeDirectoryHandle(folder);
    closeDirectoryHandle(-1);
}
