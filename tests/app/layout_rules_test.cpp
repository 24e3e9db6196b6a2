#include "app/editor_icon.h"
#include "app/main_layout.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace codarium::app {
namespace {

TEST(MainLayout, FieldAndButtonShareALineAndTheSplitterEndsAtTheStatusBar) {
    const MainLayout l = mainWindowLayout(800, 600, 47, 19, 21);
    EXPECT_EQ(l.searchField, (Rect{0, 47, 700, 20}));
    EXPECT_EQ(l.searchButton, (Rect{700, 47, 100, 20}));
    EXPECT_EQ(l.splitter, (Rect{0, 67, 800, 493}));
    // Client height is 600 - 21; the status bar starts 19 above its end.
    EXPECT_EQ(l.splitter.y + l.splitter.height, 600 - 21 - 19);
    const MainLayout wide = mainWindowLayout(1280, 900, 31, 22, 21);
    EXPECT_EQ(wide.searchButton.x + wide.searchButton.width, 1280);
    EXPECT_EQ(wide.splitter.y + wide.splitter.height, 900 - 21 - 22);
}

TEST(MainLayout, SearchWindowButtonsFollowTheBottomRightCorner) {
    const SearchLayout l = searchWindowLayout(600, 400);
    EXPECT_EQ(l.field.width, 500);
    EXPECT_EQ(l.button.x, 500);
    EXPECT_EQ(l.list, (Rect{0, 20, 600, 340}));
    EXPECT_EQ(l.show, (Rect{120, 370, 150, 20}));
    EXPECT_EQ(l.showAndClose, (Rect{280, 370, 150, 20}));
    EXPECT_EQ(l.close, (Rect{440, 370, 150, 20}));
}

TEST(MainLayout, ToolbarIconSizeIsNeverUnusable) {
    EXPECT_EQ(toolbarIconSizeFor(16), 16);
    EXPECT_EQ(toolbarIconSizeFor(24), 24);
    EXPECT_EQ(toolbarIconSizeFor(48), 48);
    EXPECT_EQ(toolbarIconSizeFor(0), 32);
    EXPECT_EQ(toolbarIconSizeFor(-5), 32);
    EXPECT_EQ(toolbarIconSizeFor(100000), 32);
}

TEST(EditorIcon, PicturesBesideTheEditorComeFirstThenTheDesktopThemes) {
    const auto c = editorIconCandidates("/opt/purebasic/compilers/purebasic",
                                        {"/home/u/.local/share", "/usr/share"});
    ASSERT_GE(c.size(), 4u);
    EXPECT_EQ(c[0], "/opt/purebasic/compilers/purebasic.png");
    EXPECT_EQ(c[1], "/opt/purebasic/compilers/purebasic.ico");
    EXPECT_EQ(c[2], "/home/u/.local/share/icons/hicolor/48x48/apps/purebasic.png");
    EXPECT_EQ(c.back(), "/usr/share/pixmaps/purebasic.png");
    const auto exe = editorIconCandidates("/x/PureBasic.exe", {});
    ASSERT_EQ(exe.size(), 2u);
    EXPECT_EQ(exe[0], "/x/PureBasic.png");
    EXPECT_TRUE(editorIconCandidates("", {"/usr/share"}).empty());
    EXPECT_TRUE(editorIconCandidates("0", {"/usr/share"}).empty());
}

TEST(EditorIcon, DataFoldersFollowTheDesktopVariables) {
    ::setenv("XDG_DATA_HOME", "/d/home", 1);
    ::setenv("XDG_DATA_DIRS", "/d/one::/d/two", 1);
    EXPECT_EQ(desktopDataFolders(), (std::vector<std::string>{"/d/home", "/d/one", "/d/two"}));
    ::unsetenv("XDG_DATA_HOME");
    ::unsetenv("XDG_DATA_DIRS");
    ::setenv("HOME", "/h", 1);
    EXPECT_EQ(desktopDataFolders(),
              (std::vector<std::string>{"/h/.local/share", "/usr/local/share", "/usr/share"}));
    // Relative values count as unset, relative list entries are left out.
    ::setenv("XDG_DATA_HOME", "share", 1);
    ::setenv("XDG_DATA_DIRS", "rel:/d/one:./two", 1);
    EXPECT_EQ(desktopDataFolders(), (std::vector<std::string>{"/h/.local/share", "/d/one"}));
    ::unsetenv("XDG_DATA_HOME");
    ::unsetenv("XDG_DATA_DIRS");
}

} // namespace
} // namespace codarium::app
