#include "platform/file_system.h"
#include "platform/file_tree.h"
#include "platform/paths.h"
#include "platform/remove_tree.h"

#include <QTemporaryDir>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace codarium::platform;
namespace fs = std::filesystem;

namespace {

std::string readAll(const std::string& path) {
    std::ifstream in(std::string(path), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void write(const std::string& path, std::string_view bytes) {
    std::ofstream(std::string(path), std::ios::binary) << bytes;
}

} // namespace

TEST(FileTree, CopyTreeCopiesFoldersAndBytesAndStopsAtAnExistingTarget) {
    QTemporaryDir dir;
    const std::string base = dir.path().toStdString();
    const std::string from = joinPath(base, "Codes");
    ASSERT_TRUE(createDirectoryPath(joinPath(from, "Fenster/Leer")));
    write(joinPath(from, "Fenster/\xC3\x84ndern.pb"), "Debug 1\r\n"); // Ändern.pb
    write(joinPath(from, "oben.pb"), std::string("\x00\xFF", 2));

    const std::string to = joinPath(base, "Kopie");
    ASSERT_TRUE(copyTree(from, to));
    EXPECT_EQ(readAll(joinPath(to, "Fenster/\xC3\x84ndern.pb")), "Debug 1\r\n");
    EXPECT_EQ(readAll(joinPath(to, "oben.pb")), std::string("\x00\xFF", 2));
    EXPECT_TRUE(directoryExists(joinPath(to, "Fenster/Leer")));
    EXPECT_FALSE(isSymbolicLink(joinPath(to, "oben.pb")));

    // Never into an existing folder, and never from a missing one.
    EXPECT_FALSE(copyTree(from, to));
    EXPECT_FALSE(copyTree(joinPath(base, "fehlt"), joinPath(base, "neu")));
    EXPECT_FALSE(entryExists(joinPath(base, "neu")));
}

TEST(FileTree, RemoveTreeRemovesLinksButNeverWhatTheyPointAt) {
    QTemporaryDir dir;
    const std::string base = dir.path().toStdString();
    const std::string outside = joinPath(base, "installiert");
    ASSERT_TRUE(createDirectoryPath(joinPath(outside, "Grafiken")));
    write(joinPath(outside, "Grafiken/Bild.ico"), "icon");
    write(joinPath(outside, "Konfiguration.ini"), "[Konfiguration]");

    const std::string tree = joinPath(base, "Kopie");
    ASSERT_TRUE(createDirectoryPath(joinPath(tree, "Codes/Fenster")));
    write(joinPath(tree, "Codes/Fenster/a.pb"), "a");
    ASSERT_TRUE(createSymbolicLink(joinPath(outside, "Grafiken"), joinPath(tree, "Grafiken")));
    ASSERT_TRUE(createSymbolicLink(joinPath(outside, "Konfiguration.ini"),
                                   joinPath(tree, "Konfiguration.ini")));
    ASSERT_TRUE(createSymbolicLink(joinPath(base, "fehlt"), joinPath(tree, "haengt")));

    ASSERT_TRUE(removeTree(tree));
    EXPECT_FALSE(entryExists(tree));
    EXPECT_EQ(readAll(joinPath(outside, "Grafiken/Bild.ico")), "icon");
    EXPECT_EQ(readAll(joinPath(outside, "Konfiguration.ini")), "[Konfiguration]");
    EXPECT_TRUE(removeTree(tree)); // nothing there is nothing to do
}

TEST(FileTree, LinksAreMadeReadAndReplacedInOneStep) {
    QTemporaryDir dir;
    const std::string base = dir.path().toStdString();
    const std::string link = joinPath(base, "SyntaxHilighting.so");
    write(joinPath(base, "alt"), "alt");
    write(joinPath(base, "neu"), "neu");

    EXPECT_FALSE(isSymbolicLink(link));
    EXPECT_EQ(symbolicLinkTarget(link), "");
    ASSERT_TRUE(createSymbolicLink(joinPath(base, "alt"), link));
    EXPECT_TRUE(isSymbolicLink(link));
    EXPECT_EQ(symbolicLinkTarget(link), joinPath(base, "alt"));
    EXPECT_FALSE(createSymbolicLink(joinPath(base, "neu"), link)); // never over an entry

    ASSERT_TRUE(replaceWithSymbolicLink(joinPath(base, "neu"), link));
    EXPECT_EQ(symbolicLinkTarget(link), joinPath(base, "neu"));
    EXPECT_EQ(readAll(link), "neu");
    EXPECT_EQ(readAll(joinPath(base, "alt")), "alt");
    EXPECT_EQ(listDirectory(base).size(), 3u); // no temporary link left behind

    // A dangling link is an entry, though not a file.
    ASSERT_TRUE(createSymbolicLink(joinPath(base, "fehlt"), joinPath(base, "haengt")));
    EXPECT_TRUE(entryExists(joinPath(base, "haengt")));
    EXPECT_FALSE(pathExists(joinPath(base, "haengt")));
}

TEST(FileTree, DirectoryPathsAndUniqueDirectories) {
    QTemporaryDir dir;
    const std::string base = dir.path().toStdString();
    const std::string deep = joinPath(base, "a/b/c");
    ASSERT_TRUE(createDirectoryPath(deep));
    EXPECT_TRUE(directoryExists(deep));
    EXPECT_TRUE(createDirectoryPath(deep)); // already there
    write(joinPath(base, "datei"), "");
    EXPECT_FALSE(createDirectoryPath(joinPath(base, "datei/unter")));
    EXPECT_FALSE(createDirectoryPath(""));

    const std::string first = createUniqueDirectory(joinPath(base, ".Codarium-"));
    const std::string second = createUniqueDirectory(joinPath(base, ".Codarium-"));
    ASSERT_FALSE(first.empty());
    ASSERT_FALSE(second.empty());
    EXPECT_NE(first, second);
    EXPECT_TRUE(directoryExists(first));
    EXPECT_TRUE(fs::path(first).filename().string().starts_with(".Codarium-"));
    EXPECT_EQ(createUniqueDirectory(joinPath(base, "fehlt/x-")), "");
}

TEST(FileTree, WritableDirectoryFollowsTheKernelsAnswer) {
    QTemporaryDir dir;
    const std::string base = dir.path().toStdString();
    EXPECT_TRUE(isWritableDirectory(base));
    EXPECT_FALSE(isWritableDirectory(joinPath(base, "fehlt")));
    write(joinPath(base, "datei"), "");
    EXPECT_FALSE(isWritableDirectory(joinPath(base, "datei"))); // a file is no folder
    // The permission bits stop everyone but the administrator, who passes
    // them; the kernel's answer is taken either way.
    fs::permissions(dir.path().toStdString(), fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_EQ(isWritableDirectory(base), ::geteuid() == 0);
    fs::permissions(dir.path().toStdString(), fs::perms::owner_all);
}

TEST(Paths, DataHomeIsAnAbsoluteXdgDataHomeElseTheHomesLocalShare) {
    const char* home = std::getenv("HOME");
    const std::string savedHome = home ? home : "";
    setenv("HOME", "/x/home", 1);
    setenv("XDG_DATA_HOME", "/x/data", 1);
    EXPECT_EQ(dataHomeFolder(), "/x/data");
    setenv("XDG_DATA_HOME", "relativ", 1); // not absolute: ignored, as the XDG rules say
    EXPECT_EQ(dataHomeFolder(), "/x/home/.local/share");
    unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(dataHomeFolder(), "/x/home/.local/share");
    unsetenv("HOME");
    EXPECT_EQ(dataHomeFolder(), "");
    if (home) {
        setenv("HOME", savedHome.c_str(), 1);
    }
}
