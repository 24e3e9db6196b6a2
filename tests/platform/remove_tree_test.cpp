#include "platform/file_system.h"
#include "platform/paths.h"
#include "platform/remove_tree.h"

#include <QTemporaryDir>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace codarium::platform;

namespace {

class RemoveTree : public ::testing::Test {
protected:
    std::string at(std::string_view name) const { return joinPath(base, name); }
    void write(std::string_view name, std::string_view text) const {
        std::ofstream(std::string(at(name)), std::ios::binary) << text;
    }
    std::string read(std::string_view name) const {
        std::ifstream in(std::string(at(name)), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    QTemporaryDir dir;
    std::string base = dir.path().toStdString();
};

TEST_F(RemoveTree, RemovesNestedReadOnlyFilesAndFolders) {
    ASSERT_TRUE(createDirectory(at("baum")));
    ASSERT_TRUE(createDirectory(at("baum/ast")));
    ASSERT_TRUE(createDirectory(at("baum/ast/zweig")));
    write("baum/a.pb", "a");
    write("baum/ast/b.pb", "b");
    write("baum/ast/zweig/c.pb", "c");
    ::chmod(std::string(at("baum/a.pb")).c_str(), 0444);
    ::chmod(std::string(at("baum/ast/zweig")).c_str(), 0555);
    ::chmod(std::string(at("baum/ast")).c_str(), 0500);
    EXPECT_TRUE(removeTree(at("baum")));
    EXPECT_FALSE(pathExists(at("baum")));
    EXPECT_TRUE(directoryExists(base));
}

// Links inside the tree, and the tree's own name being a link, never reach
// what they point to.
TEST_F(RemoveTree, LinksAreRemovedAsLinksAndTheirTargetsStay) {
    ASSERT_TRUE(createDirectory(at("aussen")));
    write("aussen/wichtig.txt", "bleibt");
    write("datei.txt", "bleibt auch");
    ASSERT_TRUE(createDirectory(at("baum")));
    ASSERT_TRUE(createDirectory(at("baum/ast")));
    ASSERT_EQ(::symlink("../aussen", std::string(at("baum/ordner")).c_str()), 0);
    ASSERT_EQ(::symlink("../../datei.txt", std::string(at("baum/ast/datei")).c_str()), 0);
    ASSERT_EQ(::symlink("nirgends", std::string(at("baum/kaputt")).c_str()), 0);
    ASSERT_EQ(::symlink("aussen", std::string(at("verweis")).c_str()), 0);

    EXPECT_TRUE(removeTree(at("baum")));
    EXPECT_FALSE(pathExists(at("baum")));
    EXPECT_TRUE(removeTree(at("verweis")));
    struct stat st {};
    EXPECT_NE(::lstat(std::string(at("verweis")).c_str(), &st), 0);
    EXPECT_EQ(read("aussen/wichtig.txt"), "bleibt");
    EXPECT_EQ(read("datei.txt"), "bleibt auch");
}

TEST_F(RemoveTree, MissingEmptyAndFilePaths) {
    EXPECT_TRUE(removeTree(at("nicht da")));
    EXPECT_FALSE(removeTree(""));
    write("datei", "x");
    EXPECT_FALSE(removeTree(at("datei")));
    EXPECT_EQ(read("datei"), "x");
    ASSERT_TRUE(createDirectory(at("\xC3\x84pfel")));
    EXPECT_TRUE(removeTree(at("\xC3\x84pfel")));
    EXPECT_FALSE(pathExists(at("\xC3\x84pfel")));
}

} // namespace
