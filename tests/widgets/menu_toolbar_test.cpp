#include "gui_fixture.h"
#include "widgets/images.h"
#include "widgets/menus.h"
#include "widgets/status_bar.h"
#include "widgets/test_hooks.h"
#include "widgets/toolbar.h"
#include "widgets/windows.h"

namespace codarium::widgets {
namespace {

using testsupport::drainEvents;

class MenuTest : public testsupport::GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        ASSERT_TRUE(openWindow(20, 0, 0, 600, 400, "Haupt", MainWindowFlags));
    }
};

TEST_F(MenuTest, StructureKeepsTextsExactlyIncludingBlanksAndAmpersands) {
    ASSERT_TRUE(createMenu(30, 20));
    addMenuTitle(30, "  Voir ");
    openSubMenu(30, "Taille Toolbar   ");
    addMenuItem(30, 16, "16x16");
    closeSubMenu(30);
    addMenuItem(30, 21, "Saut de ligne");
    addMenuTitle(30, "Aide ");
    addMenuItem(30, 12, "Information  ");
    addMenuItem(30, 40, "Suchen & Finden");
    EXPECT_EQ(testing::menuOutline(30),
              (std::vector<std::string>{"[  Voir ]", "  [Taille Toolbar   ]", "    16:16x16",
                                        "  21:Saut de ligne", "[Aide ]", "  12:Information  ",
                                        "  40:Suchen & Finden"}));
    EXPECT_EQ(menuItemText(30, 12), "Information  ");
    // The label shows the ampersand rather than taking it as a mnemonic.
    EXPECT_EQ(testing::menuItemAction(30, 40)->text(), QStringLiteral("Suchen && Finden"));
}

TEST_F(MenuTest, ChoosingPostsTheCommandAndLeavesCheckMarksToTheProgram) {
    ASSERT_TRUE(createMenu(30, 20));
    addMenuTitle(30, "Voir");
    addMenuItem(30, 17, "24x24");
    addMenuItem(30, 18, "32x32");
    setMenuItemChecked(30, 18, true);
    drainEvents();
    ASSERT_TRUE(testing::chooseMenuItem(30, 18));
    ASSERT_TRUE(testing::chooseMenuItem(30, 17));
    const auto events = drainEvents();
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0].kind, EventKind::Menu);
    EXPECT_EQ(events[0].command, 18);
    EXPECT_EQ(events[0].window, 20);
    EXPECT_EQ(events[1].command, 17);
    EXPECT_TRUE(menuItemChecked(30, 18));
    EXPECT_FALSE(menuItemChecked(30, 17));

    disableMenuItem(30, 17, true);
    EXPECT_TRUE(menuItemDisabled(30, 17));
    EXPECT_FALSE(testing::chooseMenuItem(30, 17));
    EXPECT_TRUE(drainEvents().empty());
}

TEST_F(MenuTest, PopupMenusReportForTheWindowTheyWereShownFor) {
    ASSERT_TRUE(openWindow(21, 0, 0, 200, 100, "Zweites", MainWindowFlags));
    ASSERT_TRUE(createPopupMenu(32));
    addMenuItem(32, 13, "Kopieren");
    addMenuItem(32, 14, "Alles markieren");
    displayPopupMenu(32, 21, 10, 10);
    drainEvents();
    ASSERT_TRUE(testing::chooseMenuItem(32, 14));
    const auto events = drainEvents();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].command, 14);
    EXPECT_EQ(events[0].window, 21);
    // Replacing the popup drops its old items.
    ASSERT_TRUE(createPopupMenu(32));
    EXPECT_FALSE(hasMenuItem(32, 13));
}

TEST_F(MenuTest, ToolBarOrderTooltipsAndStatesApartFromTheMenu) {
    ASSERT_TRUE(createMenu(30, 20));
    addMenuTitle(30, "Code");
    addMenuItem(30, 19, "Ouverture dans Purebasic");
    ASSERT_TRUE(createToolBar(40, 20, 24));
    addToolBarImageButton(40, 3, 90);
    addToolBarSeparator(40);
    addToolBarImageButton(40, 19, 91);
    setToolBarToolTip(40, 19, "Ouverture dans Purebasic");
    EXPECT_EQ(testing::toolBarLayout(40), (std::vector<int>{3, -1, 19}));
    EXPECT_EQ(toolBarToolTip(40, 19), "Ouverture dans Purebasic");
    EXPECT_EQ(toolBarIconSize(40), 24);
    EXPECT_EQ(testing::toolBarObject(40)->iconSize(), QSize(24, 24));
    EXPECT_GT(toolBarHeight(40), 24);

    disableToolBarButton(40, 19, true);
    EXPECT_TRUE(toolBarButtonDisabled(40, 19));
    EXPECT_FALSE(menuItemDisabled(30, 19));
    drainEvents();
    EXPECT_FALSE(testing::clickToolBarButton(40, 19));
    ASSERT_TRUE(testing::clickToolBarButton(40, 3));
    const auto events = drainEvents();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].kind, EventKind::Menu);
    EXPECT_EQ(events[0].command, 3);

    // A size of 0 never makes a toolbar without pictures.
    ASSERT_TRUE(createToolBar(41, 20, 0));
    EXPECT_EQ(toolBarIconSize(41), 32);
}

TEST_F(MenuTest, StatusBarSpansTheWindowBottom) {
    ASSERT_TRUE(createStatusBar(50, 20));
    setStatusBarText(50, 0, "12 Kategorien, 345 Codes");
    EXPECT_EQ(statusBarText(50, 0), "12 Kategorien, 345 Codes");
    drainEvents();
    QStatusBar* bar = testing::statusBarObject(50);
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->width(), 600);
    EXPECT_EQ(bar->geometry().bottom() + 1, bar->parentWidget()->height());
    EXPECT_EQ(statusBarHeight(50), bar->height());
}

} // namespace
} // namespace codarium::widgets
