#include "library/api_link_commands.h"
#include "library/api_links.h"
#include "library/code_api_links.h"
#include "library/library_numbers.h"
#include "library/library_tree.h"
#include "library/search_window.h"
#include "library/store_paths.h"
#include "main_window_fixture.h"
#include "tests/support/scratch_folder.h"
#include "widgets/gadgets.h"
#include "widgets/list_gadget.h"
#include "widgets/menus.h"
#include "widgets/status_bar.h"
#include "widgets/test_hooks.h"
#include "widgets/toolbar.h"
#include "widgets/tree_gadget.h"
#include "widgets/windows.h"

#include <QAbstractItemView>
#include <QScrollBar>
#include <sys/stat.h>

namespace codarium::library {
namespace {

using testing::readFile;
using testing::writeFile;

class LibraryTreeTest : public testing::MainWindowTest {
protected:
    std::vector<std::string> items() const {
        std::vector<std::string> out;
        for (int i = 0; i < widgets::treeItemCount(LibraryTree); ++i) {
            out.push_back(std::to_string(widgets::treeItemLevel(LibraryTree, i)) + ":" +
                          widgets::treeItemText(LibraryTree, i));
        }
        return out;
    }
    void select(int position) {
        ASSERT_TRUE(widgets::testing::clickTreeItem(LibraryTree, position));
        dispatchEvents();
    }
    bool libraryCommandsEnabled(bool expected) {
        bool all = true;
        for (const int command : LibraryCommands) {
            all = all && commandEnabled(command) == expected;
        }
        return all && widgets::gadgetDisabled(SearchField) == !expected;
    }
};

TEST_F(LibraryTreeTest, TwoCategoriesWithThreeAndNoCodes) {
    addCategory("Fenster", {"Neu", "Alt", "Mitte"});
    addCategory("Leer", {});
    reloadLibraryTree();
    EXPECT_EQ(items(),
              (std::vector<std::string>{"0:Fenster", "1:Neu", "1:Alt", "1:Mitte", "0:Leer"}));
    EXPECT_EQ(widgets::statusBarText(MainStatusBar, 0), "2 Kategorien, 3 Codes");
    EXPECT_TRUE(libraryCommandsEnabled(true));
    for (int i = 0; i < 5; ++i) {
        EXPECT_FALSE(widgets::treeItemExpanded(LibraryTree, i));
    }
}

TEST_F(LibraryTreeTest, AnEmptyOrMissingLibraryDisablesTheLibraryCommands) {
    writeFile(categoryListPath(), "");
    reloadLibraryTree();
    EXPECT_EQ(widgets::statusBarText(MainStatusBar, 0), "0 Kategorien, 0 Codes");
    EXPECT_TRUE(libraryCommandsEnabled(false));

    // The commands follow every rebuild, both ways.
    addCategory("Eins", {"a"});
    reloadLibraryTree();
    EXPECT_TRUE(libraryCommandsEnabled(true));
    ASSERT_TRUE(platform::removeFile(categoryListPath()));
    reloadLibraryTree();
    EXPECT_EQ(items(), std::vector<std::string>{});
    EXPECT_EQ(widgets::statusBarText(MainStatusBar, 0), "0 Kategorien, 0 Codes");
    EXPECT_TRUE(libraryCommandsEnabled(false));
}

TEST_F(LibraryTreeTest, ReloadReplacesTheItemsAndCountsEveryLine) {
    writeFile(categoryListPath(), "A\r\n\r\n");
    writeFile(codeListPath("A"), "x\r\n\r\n");
    reloadLibraryTree();
    reloadLibraryTree();
    EXPECT_EQ(items(), (std::vector<std::string>{"0:A", "1:x", "1:", "0:"}));
    EXPECT_EQ(widgets::statusBarText(MainStatusBar, 0), "2 Kategorien, 2 Codes");
    EXPECT_EQ(fillLibraryTree(LibraryTree).codes, 2);
}

TEST_F(LibraryTreeTest, SelectingACodeShowsItAndACategoryClearsTheView) {
    addCategory("Fenster", {"Neu"}, [](std::string_view) { return "OpenWindow(0, 0, 0)\r\n"; });
    reloadLibraryTree();
    select(1);
    EXPECT_EQ(viewText(), "OpenWindow(0, 0, 0)\r\n");
    EXPECT_TRUE(commandEnabled(CommandLinkMenu));
    EXPECT_TRUE(commandEnabled(CommandOpenInEditor));
    select(0);
    EXPECT_EQ(viewText(), "");
    EXPECT_FALSE(commandEnabled(CommandLinkMenu));
    EXPECT_FALSE(commandEnabled(CommandOpenInEditor));
}

TEST_F(LibraryTreeTest, WithoutAnEditorOpenInEditorKeepsItsState) {
    addCategory("Fenster", {"Neu", "Alt"});
    reloadLibraryTree();
    editorPath = "0";
    select(1);
    EXPECT_TRUE(commandEnabled(CommandLinkMenu));
    EXPECT_FALSE(commandEnabled(CommandOpenInEditor));
    // Enabled by someone else (an editor was chosen): a code keeps it so.
    widgets::disableMenuItem(MainMenu, CommandOpenInEditor, false);
    widgets::disableToolBarButton(MainToolBar, CommandOpenInEditor, false);
    select(2);
    EXPECT_TRUE(commandEnabled(CommandOpenInEditor));
}

TEST_F(LibraryTreeTest, EqualTitlesInTwoCategoriesShowTheirOwnSource) {
    const auto byCategory = [](std::string category) {
        return [category](std::string_view title) {
            return "; " + category + "/" + std::string(title);
        };
    };
    addCategory("Fenster", {"Neu"}, byCategory("Fenster"));
    addCategory("Netz", {"Alt", "Neu"}, byCategory("Netz"));
    reloadLibraryTree();
    select(4);
    EXPECT_EQ(viewText(), "; Netz/Neu");
    select(1);
    EXPECT_EQ(viewText(), "; Fenster/Neu");
    EXPECT_EQ(categoryOfItem(LibraryTree, 4), "Netz");
    EXPECT_EQ(categoryOfItem(LibraryTree, 0), "");
}

TEST_F(LibraryTreeTest, ACodeBelongsToTheNearestCategoryAbove) {
    addCategory("Fenster", {"Neu"});
    addCategory("Netz", {"Alt", "Neu"});
    reloadLibraryTree();
    ASSERT_EQ(widgets::treeItemCount(LibraryTree), 5);
    EXPECT_EQ(categoryOfItem(LibraryTree, 1), "Fenster");
    EXPECT_EQ(categoryOfItem(LibraryTree, 3), "Netz");
    EXPECT_EQ(categoryOfItem(LibraryTree, 4), "Netz");
    // Same title, different categories, different files.
    EXPECT_NE(sourcePath(categoryOfItem(LibraryTree, 1), widgets::treeItemText(LibraryTree, 1)),
              sourcePath(categoryOfItem(LibraryTree, 4), widgets::treeItemText(LibraryTree, 4)));
    EXPECT_EQ(categoryOfItem(LibraryTree, 0), "");
    widgets::clearTree(LibraryTree);
    const widgets::TreeItemText lone[] = {{"lose", 1}};
    widgets::addTreeItems(LibraryTree, lone);
    EXPECT_EQ(categoryOfItem(LibraryTree, 0), "");
}

TEST_F(LibraryTreeTest, AMissingSourceKeepsThePreviousCode) {
    addCategory("Fenster", {"Da", "Weg"});
    reloadLibraryTree();
    ASSERT_TRUE(platform::removeFile(sourcePath("Fenster", "Weg")));
    select(1);
    select(2);
    EXPECT_EQ(viewText(), "Da");
    EXPECT_TRUE(commandEnabled(CommandLinkMenu));
}

TEST_F(LibraryTreeTest, CollapseMarksTheFirstCategoryAndScrollsToTheTop) {
    std::vector<std::string> storage;
    for (int i = 0; i < 60; ++i) {
        storage.push_back("Code " + std::to_string(100 + i));
    }
    addCategory("A", {});
    std::string list;
    for (const auto& t : storage) {
        list += t + "\r\n";
    }
    writeFile(codeListPath("A"), list);
    addCategory("B", {"x"});
    reloadLibraryTree();
    select(30);
    expandAll();
    EXPECT_TRUE(widgets::treeItemExpanded(LibraryTree, 0));
    EXPECT_TRUE(widgets::treeItemExpanded(LibraryTree, 61));
    EXPECT_TRUE(widgets::treeItemSelected(LibraryTree, 0));
    EXPECT_FALSE(widgets::treeItemSelected(LibraryTree, 30));
    auto* view = qobject_cast<QAbstractItemView*>(widgets::testing::gadgetObject(LibraryTree));
    ASSERT_NE(view, nullptr);
    view->verticalScrollBar()->setValue(view->verticalScrollBar()->maximum());
    collapseAll();
    EXPECT_FALSE(widgets::treeItemExpanded(LibraryTree, 0));
    EXPECT_FALSE(widgets::treeItemExpanded(LibraryTree, 61));
    EXPECT_TRUE(widgets::treeItemSelected(LibraryTree, 0));
    EXPECT_EQ(view->verticalScrollBar()->value(), 0);
    // Only marked: the current code stays the one the commands act on.
    EXPECT_EQ(widgets::currentTreeItem(LibraryTree), 30);
    dispatchEvents();
    EXPECT_TRUE(commandEnabled(CommandLinkMenu));
}

// A link "address" that is a program: it leaves a file named after itself.
class LinkTest : public LibraryTreeTest {
protected:
    void SetUp() override {
        LibraryTreeTest::SetUp();
        writeFile("open.sh", "#!/bin/sh\ntouch \"$(basename \"$0\").opened\"\n");
        ::chmod("open.sh", 0755);
        addCategory("Fenster", {"Neu"});
        reloadLibraryTree();
        select(1);
    }
    std::string linkTo(const std::string& name) {
        const std::string path = platform::joinPath(platform::currentDirectory(), name);
        ::symlink("open.sh", name.c_str());
        return path;
    }
    // Whether the link's stand-in program ran within limitMs; looks every few
    // milliseconds, so a run is seen at once.
    static bool opened(const std::string& name, int limitMs = 2000) {
        return testsupport::waitUntil([&] { return platform::fileExists(name + ".opened"); },
                                      std::chrono::milliseconds(limitMs));
    }
    static std::vector<std::string> menu() { return widgets::testing::menuOutline(LinkPopupMenu); }
};

TEST_F(LinkTest, FourLinesGiveTwoItemsAndTheSecondOpensLineFour) {
    writeFile(linkFilePath("Fenster", "Neu"), "SendMessage\r\n" + linkTo("erster") +
                                                  "\r\nPostMessage\r\n" + linkTo("zweiter") +
                                                  "\r\n");
    showLinkMenu();
    EXPECT_EQ(menu(), (std::vector<std::string>{"100:SendMessage", "101:PostMessage"}));
    openLink(101);
    EXPECT_TRUE(opened("zweiter"));
    EXPECT_FALSE(platform::fileExists("erster.opened"));
}

TEST_F(LinkTest, ThirtyOneLinksOpenAndTheThirtySecondDoesNothing) {
    std::string file;
    for (int i = 1; i <= 32; ++i) {
        file += "Befehl" + std::to_string(i) + "\r\n" + linkTo("link" + std::to_string(i)) + "\r\n";
    }
    writeFile(linkFilePath("Fenster", "Neu"), file);
    showLinkMenu();
    ASSERT_EQ(menu().size(), 32u);
    EXPECT_EQ(menu().back(), "131:Befehl32");
    for (int command = 100; command <= 131; ++command) {
        openLink(command);
    }
    for (int i = 1; i <= 31; ++i) {
        EXPECT_TRUE(opened("link" + std::to_string(i))) << i;
    }
    EXPECT_FALSE(opened("link32", 200));
}

TEST_F(LinkTest, ACodeTheNameCheckRefusesIsListedButNothingIsReadOrOpened) {
    // Titles that would lead out of Codes/ and Einstellungen/ to files that
    // exist there, and a device name.
    writeFile(codeListPath("Fenster"), "Neu\r\n../../Outside\r\nCON\r\n");
    writeFile("Outside.pb", "; outside the library");
    writeFile("Outside.ini", "Befehl\r\n" + linkTo("draussen") + "\r\n");
    reloadLibraryTree();
    dispatchEvents();
    ASSERT_EQ(items(),
              (std::vector<std::string>{"0:Fenster", "1:Neu", "1:../../Outside", "1:CON"}));
    for (const int refused : {2, 3}) {
        select(1);
        ASSERT_EQ(viewText(), "Neu");
        select(refused);
        EXPECT_EQ(viewText(), "") << refused;
        EXPECT_FALSE(commandEnabled(CommandLinkMenu));
        EXPECT_FALSE(commandEnabled(CommandOpenInEditor));
        showLinkMenu();
        EXPECT_EQ(menu(), std::vector<std::string>{});
        openLink(100);
    }
    // A link of a listed code, opened after the refused ones: once it has
    // run, a run started by them would have been seen too.
    writeFile(linkFilePath("Fenster", "Neu"), "Befehl\r\n" + linkTo("danach") + "\r\n");
    select(1);
    showLinkMenu();
    openLink(100);
    ASSERT_TRUE(opened("danach"));
    EXPECT_FALSE(platform::fileExists("draussen.opened"));
}

TEST_F(LinkTest, NoLinkFileGivesAnEmptyMenuAndNothingToOpen) {
    showLinkMenu();
    // Never an empty popup: one disabled note says there is nothing.
    EXPECT_EQ(menu(), std::vector<std::string>{"112000:Keine Links zu diesem Code"});
    EXPECT_TRUE(widgets::menuItemDisabled(LinkPopupMenu, NoLinksCommand));
    // A name on the last line without an address, and a file gone meanwhile.
    writeFile(linkFilePath("Fenster", "Neu"), "Allein\r\n");
    showLinkMenu();
    EXPECT_EQ(menu(), std::vector<std::string>{"100:Allein"});
    openLink(100);
    ASSERT_TRUE(platform::removeFile(linkFilePath("Fenster", "Neu")));
    openLink(100);
    // On a category the commands act on no code at all.
    select(0);
    showLinkMenu();
    EXPECT_EQ(menu(), std::vector<std::string>{});
}

TEST_F(LinkTest, OwnLinksThenCataloguedCallsEachOpeningAndListingItsCallers) {
    writeFile("MSDNLinks.ini",
              "Beep\r\n" + linkTo("beep") + "\r\nSleep\r\n" + linkTo("sleep") + "\r\n");
    resetApiLinks();
    writeFile(sourcePath("Fenster", "Neu"), "; Sleep_(1)\r\nBeep_(440, 9)\r\nUnbekannt_(1)\r\n");
    writeFile(linkFilePath("Fenster", "Neu"), "Eigener\r\n" + linkTo("eigener") + "\r\n");
    addCategory("Andere", {"Ruft", "Erwaehnt"}, [](std::string_view title) {
        return title == "Ruft" ? std::string("beep_(1, 1)") : std::string("; Beep_(1, 1)");
    });
    reloadLibraryTree();
    select(1);
    showLinkMenu();
    EXPECT_EQ(menu(), (std::vector<std::string>{"100:Eigener", "-", "110000:Beep",
                                                "111000:Codes mit Beep_()"}));
    EXPECT_TRUE(runApiLinkCommand(FirstApiLinkCommand));
    EXPECT_TRUE(opened("beep"));
    EXPECT_FALSE(platform::fileExists("sleep.opened")) << "only mentioned in a comment";

    // The companion: exactly the codes that call it, not one that mentions it.
    EXPECT_TRUE(runApiLinkCommand(FirstApiCallersCommand));
    ASSERT_TRUE(widgets::isWindow(SearchWindow));
    EXPECT_EQ(widgets::gadgetText(SearchTextField), "Beep_()");
    std::vector<std::string> rows;
    for (int r = 0; r < widgets::listRowCount(ResultList); ++r) {
        rows.push_back(widgets::listCellText(ResultList, r, 1) + "|" +
                       widgets::listCellText(ResultList, r, 0));
    }
    EXPECT_EQ(rows, (std::vector<std::string>{"Andere|Ruft", "Fenster|Neu"}));

    // The view: the tooltip names the address, Ctrl+click opens it.
    const std::string text = viewText();
    const auto at = static_cast<std::intptr_t>(text.find("Beep_") + 2);
    EXPECT_EQ(apiCallToolTip(at).substr(0, apiCallToolTip(at).find('\n')),
              platform::joinPath(platform::currentDirectory(), "beep"));
    EXPECT_EQ(apiCallToolTip(static_cast<std::intptr_t>(text.find("Sleep_"))), "");
    ASSERT_TRUE(platform::removeFile("beep.opened"));
    EXPECT_TRUE(openApiCallAt(at));
    EXPECT_TRUE(opened("beep"));
    EXPECT_FALSE(openApiCallAt(static_cast<std::intptr_t>(text.find("Unbekannt_"))));
    widgets::closeWindow(SearchWindow);
    resetApiLinks();
}

} // namespace
} // namespace codarium::library
