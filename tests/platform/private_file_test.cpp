#include "platform/file_system.h"
#include "platform/paths.h"
#include "platform/private_file.h"

#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

using namespace codarium::platform;
namespace fs = std::filesystem;

namespace {

std::string readAll(const std::string& nativeFile) {
    std::ifstream in(nativeFile, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class PrivateFile : public ::testing::Test {
protected:
    std::string native(const std::string& name) const {
        return dir.path().toStdString() + "/" + name;
    }
    QTemporaryDir dir;
};

} // namespace

TEST_F(PrivateFile, APlantedLinkIsReplacedNotFollowedAndAnOldFileNotAppendedTo) {
    std::ofstream(native("victim")) << "precious";
    fs::create_symlink(native("victim"), native("link"));
    std::ofstream(native("old")) << "an older and much longer content";
    fs::permissions(native("old"), fs::perms::all);
    const std::string bytes("new\0bytes\r\n", 11);
    for (const char* name : {"link", "old", "fresh"}) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(writeFreshPrivateFile(std::string(native(name)), bytes));
        EXPECT_FALSE(fs::is_symlink(native(name)));
        EXPECT_EQ(readAll(native(name)), bytes);
        // Readable and writable by this user alone.
        EXPECT_EQ(fs::status(native(name)).permissions(),
                  fs::perms::owner_read | fs::perms::owner_write);
    }
    EXPECT_EQ(readAll(native("victim")), "precious");
    // Nothing but the four names is left in the folder.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path().toStdString()), {}), 4);
}

TEST_F(PrivateFile, ARefusedRenameOrMissingFolderFailsAndLeavesNothingBehind) {
    fs::create_directory(native("taken"));
    std::ofstream(native("taken/inside")) << "x";
    EXPECT_FALSE(writeFreshPrivateFile(std::string(native("taken")), "bytes"));
    EXPECT_TRUE(fs::is_directory(native("taken")));
    EXPECT_FALSE(writeFreshPrivateFile(std::string(native("missing/file")), "bytes"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path().toStdString()), {}), 1);
}
