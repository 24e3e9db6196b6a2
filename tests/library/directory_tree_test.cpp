#include "library/directory_tree.h"
#include "store_fixture.h"

#include <sys/stat.h>
#include <unistd.h>

namespace codarium::library {
namespace {

using testing::readFile;
using testing::writeFile;

class DirectoryTree : public testing::StoreTest {};

TEST_F(DirectoryTree, RemovesNestedAndReadOnlyEntries) {
    ASSERT_TRUE(platform::createDirectory("Codes/Fenster"));
    ASSERT_TRUE(platform::createDirectory("Codes/Fenster/tief"));
    writeFile("Codes/Fenster/a.pb", "a");
    writeFile("Codes/Fenster/tief/b.pb", "b");
    ::chmod("Codes/Fenster/a.pb", 0444);
    ::chmod("Codes/Fenster/tief", 0555);
    EXPECT_TRUE(removeDirectoryTree("Codes/Fenster"));
    EXPECT_FALSE(platform::pathExists("Codes/Fenster"));
    EXPECT_TRUE(platform::directoryExists("Codes"));
}

TEST_F(DirectoryTree, LinksAreRemovedButWhatTheyPointToStays) {
    ASSERT_TRUE(platform::createDirectory("aussen"));
    writeFile("aussen/wichtig.txt", "keep");
    writeFile("datei.txt", "keep too");
    ASSERT_TRUE(platform::createDirectory("Codes/Fenster"));
    ASSERT_EQ(::symlink("../../aussen", "Codes/Fenster/link"), 0);
    ASSERT_EQ(::symlink("../../datei.txt", "Codes/Fenster/datei"), 0);
    EXPECT_TRUE(removeDirectoryTree("Codes/Fenster"));
    EXPECT_FALSE(platform::pathExists("Codes/Fenster"));
    EXPECT_EQ(readFile("aussen/wichtig.txt"), "keep");
    EXPECT_EQ(readFile("datei.txt"), "keep too");
}

TEST_F(DirectoryTree, MissingEmptyAndNonDirectoryPaths) {
    EXPECT_TRUE(removeDirectoryTree("Codes/nicht da"));
    EXPECT_FALSE(removeDirectoryTree(""));
    writeFile("Codes/datei", "x");
    EXPECT_FALSE(removeDirectoryTree("Codes/datei"));
    EXPECT_EQ(readFile("Codes/datei"), "x");
    ASSERT_TRUE(platform::createDirectory("Codes/\xC4pfel"));
    EXPECT_TRUE(removeDirectoryTree("Codes/\xC4pfel"));
    EXPECT_FALSE(platform::pathExists("Codes/\xC4pfel"));
}

} // namespace
} // namespace codarium::library
