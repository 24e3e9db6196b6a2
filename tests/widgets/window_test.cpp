#include "gui_fixture.h"
#include "widgets/gadget_host.h"
#include "widgets/gadgets.h"
#include "widgets/menus.h"
#include "widgets/test_hooks.h"
#include "widgets/text_gadgets.h"
#include "widgets/windows.h"

#include <QWidget>
#include <algorithm>

namespace codarium::widgets {
namespace {

using testsupport::drainEvents;

class WindowTest : public testsupport::GuiTest {};

bool hasEvent(const std::vector<WindowEvent>& events, EventKind kind, int window) {
    return std::any_of(events.begin(), events.end(),
                       [&](const WindowEvent& e) { return e.kind == kind && e.window == window; });
}

TEST_F(WindowTest, InnerSizeIsClientPlusMenuBarAndSurvivesUnchanged) {
    ASSERT_TRUE(openWindow(20, 0, 0, 640, 480, "Mit Menü", MainWindowFlags));
    ASSERT_TRUE(createMenu(30, 20));
    addMenuTitle(30, "Datei");
    addMenuItem(30, 1, "Ende");
    drainEvents();
    const int menuBar = windowMenuBarHeight(20);
    EXPECT_GT(menuBar, 0);
    EXPECT_EQ(windowWidth(20), 640);
    EXPECT_EQ(windowHeight(20), 480);
    EXPECT_EQ(gadgetParentWidget(20)->height(), 480 - menuBar);
    EXPECT_EQ(gadgetParentWidget(20)->width(), 640);

    ASSERT_TRUE(openWindow(21, 0, 0, 300, 200, "Ohne Menü", DialogFlags, 20));
    drainEvents();
    EXPECT_EQ(windowMenuBarHeight(21), 0);
    EXPECT_EQ(gadgetParentWidget(21)->height(), 200);
}

TEST_F(WindowTest, CloseRequestsAreEventsAndNeverCloseTheWindow) {
    ASSERT_TRUE(openWindow(20, 0, 0, 400, 300, "Haupt", MainWindowFlags));
    ASSERT_TRUE(openWindow(24, 0, 0, 200, 100, "Dialog", DialogFlags, 20));
    ASSERT_TRUE(openWindow(29, 0, 0, 200, 100, "Suchen", MainWindowFlags | WindowNoCloseEntry, 20));
    drainEvents();

    ASSERT_TRUE(testing::requestWindowClose(20));
    ASSERT_TRUE(testing::requestWindowClose(24));
    ASSERT_TRUE(testing::requestWindowClose(29));
    const auto events = drainEvents();
    EXPECT_TRUE(hasEvent(events, EventKind::CloseWindow, 20));
    EXPECT_TRUE(hasEvent(events, EventKind::CloseWindow, 24));
    // The inert close box: ignored, nothing reported.
    EXPECT_FALSE(hasEvent(events, EventKind::CloseWindow, 29));
    EXPECT_TRUE(isWindow(20));
    EXPECT_TRUE(isWindow(24));
    EXPECT_TRUE(isWindow(29));
    EXPECT_TRUE(testing::windowObject(24)->isVisible());
}

TEST_F(WindowTest, DialogsHaveATitleBarButNoCloseBox) {
    ASSERT_TRUE(openWindow(20, 0, 0, 400, 300, "Haupt", MainWindowFlags));
    ASSERT_TRUE(openWindow(24, 0, 0, 200, 100, "Dialog", DialogFlags, 20));
    const Qt::WindowFlags dialog = testing::windowObject(24)->windowFlags();
    EXPECT_TRUE(dialog & Qt::WindowTitleHint);
    EXPECT_TRUE(dialog & Qt::CustomizeWindowHint);
    EXPECT_FALSE(dialog & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(dialog & Qt::WindowSystemMenuHint);
    const Qt::WindowFlags main = testing::windowObject(20)->windowFlags();
    EXPECT_TRUE(main & Qt::WindowCloseButtonHint);
    EXPECT_TRUE(main & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(main & Qt::WindowMinimizeButtonHint);
}

TEST_F(WindowTest, ADisabledParentLeavesItsDialogUsable) {
    ASSERT_TRUE(openWindow(20, 0, 0, 400, 300, "Haupt", MainWindowFlags));
    ASSERT_TRUE(buttonGadget(60, 20, 10, 10, 100, 20, "Haupt-Knopf"));
    ASSERT_TRUE(openWindow(24, 0, 0, 200, 100, "Dialog", DialogFlags, 20));
    ASSERT_TRUE(buttonGadget(61, 24, 10, 10, 100, 20, "Dialog-Knopf"));
    disableWindow(20, true);
    EXPECT_TRUE(windowDisabled(20));
    EXPECT_FALSE(testing::gadgetObject(60)->isEnabled());
    EXPECT_TRUE(testing::gadgetObject(61)->isEnabled());
    drainEvents();
    EXPECT_FALSE(testing::clickButton(60));
    EXPECT_TRUE(testing::clickButton(61));
    disableWindow(20, false);
    EXPECT_TRUE(testing::gadgetObject(60)->isEnabled());
    EXPECT_TRUE(testing::clickButton(60));
    const auto events = drainEvents();
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0].gadget, 61);
    EXPECT_EQ(events[0].window, 24);
    EXPECT_EQ(events[0].subType, GadgetEvent::LeftClick);
    EXPECT_EQ(events[1].gadget, 60);
    EXPECT_EQ(events[1].window, 20);
}

TEST_F(WindowTest, MinimumSizeHoldsAndResizingReportsASizeEvent) {
    ASSERT_TRUE(openWindow(20, 0, 0, 800, 600, "Haupt", MainWindowFlags));
    setWindowMinimumSize(20, 550, 300);
    drainEvents();
    resizeWindow(20, 100, 100);
    const auto events = drainEvents();
    EXPECT_EQ(windowWidth(20), 550);
    EXPECT_EQ(windowHeight(20), 300);
    EXPECT_TRUE(hasEvent(events, EventKind::SizeWindow, 20));
    resizeWindow(20, 900, 700);
    drainEvents();
    EXPECT_EQ(windowWidth(20), 900);
    EXPECT_EQ(windowHeight(20), 700);
}

TEST_F(WindowTest, CentringAndStatesAndTitles) {
    ASSERT_TRUE(openWindow(20, 0, 0, 800, 600, "Haupt", MainWindowFlags));
    ASSERT_TRUE(openWindow(24, 0, 0, 200, 100, "Dialog", DialogFlags, 20));
    ASSERT_TRUE(buttonGadget(61, 24, 10, 10, 100, 20, "Weg damit"));
    drainEvents();
    const QRect parent = testing::windowObject(20)->geometry();
    const QRect child = testing::windowObject(24)->geometry();
    EXPECT_LE(std::abs(parent.center().x() - child.center().x()), 1);
    EXPECT_LE(std::abs(parent.center().y() - child.center().y()), 1);

    setWindowTitle(20, windowTitle(20) + " - Administrator");
    EXPECT_EQ(windowTitle(20), "Haupt - Administrator");
    EXPECT_EQ(windowState(20), WindowState::Normal);
    setWindowState(20, WindowState::Minimized);
    EXPECT_EQ(windowState(20), WindowState::Minimized);
    closeWindow(24);
    EXPECT_FALSE(isWindow(24));
    EXPECT_FALSE(isGadget(61));

    ASSERT_TRUE(openWindow(22, 0, 0, 400, 300, "Groß", MainWindowFlags | WindowMaximize));
    drainEvents();
    EXPECT_EQ(windowState(22), WindowState::Maximized);
}

} // namespace
} // namespace codarium::widgets
