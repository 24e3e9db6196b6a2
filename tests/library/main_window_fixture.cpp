#include "main_window_fixture.h"

#include "app/app_state.h"
#include "app/event_loop.h"
#include "app/window_routes.h"

#include "library/library_numbers.h"
#include "library/library_tree.h"
#include "library/search_window.h"
#include "viewer/code_view_text.h"
#include "widgets/gadgets.h"
#include "widgets/menus.h"
#include "widgets/scintilla_gadget.h"
#include "widgets/status_bar.h"
#include "widgets/test_hooks.h"
#include "widgets/text_gadgets.h"
#include "widgets/toolbar.h"
#include "widgets/tree_gadget.h"
#include "widgets/windows.h"

#include <QApplication>
#include <Qsci/qsciscintillabase.h>

namespace codarium::library::testing {
namespace {

void ensureApplication() {
    if (QApplication::instance() == nullptr) {
        static int argc = 1;
        static char name[] = "library_tests";
        static char* argv[] = {name, nullptr};
        // Never destroyed: at process exit Qt's own statics are gone already.
        new QApplication(argc, argv);
    }
}

constexpr int Commands[] = {CommandExpandAll,    CommandCollapseAll, CommandRemoveCategory,
                            CommandRemoveCode,   CommandRemoveAll,   CommandExportTemplates,
                            CommandOpenInEditor, CommandLinkMenu};

} // namespace

void MainWindowTest::SetUp() {
    StoreTest::SetUp();
    ensureApplication();
    ASSERT_TRUE(
        widgets::openWindow(MainWindow, 0, 0, 800, 600, "Codarium", widgets::MainWindowFlags));
    ASSERT_TRUE(widgets::createMenu(MainMenu, MainWindow));
    widgets::addMenuTitle(MainMenu, "Code");
    ASSERT_TRUE(widgets::createToolBar(MainToolBar, MainWindow, 16));
    for (const int command : Commands) {
        widgets::addMenuItem(MainMenu, command, "Befehl " + std::to_string(command));
        widgets::addToolBarImageButton(MainToolBar, command, -1);
    }
    widgets::disableMenuItem(MainMenu, CommandOpenInEditor, true);
    widgets::disableMenuItem(MainMenu, CommandLinkMenu, true);
    widgets::disableToolBarButton(MainToolBar, CommandOpenInEditor, true);
    widgets::disableToolBarButton(MainToolBar, CommandLinkMenu, true);
    ASSERT_TRUE(widgets::createStatusBar(MainStatusBar, MainWindow));
    ASSERT_TRUE(widgets::stringGadget(SearchField, MainWindow, 0, 30, 700, 20, "",
                                      widgets::TextFieldReportsReturn));
    ASSERT_TRUE(widgets::buttonGadget(SearchButton, MainWindow, 700, 30, 100, 20, "Suchen"));
    widgets::disableGadget(SearchButton, true);
    ASSERT_TRUE(widgets::treeGadget(LibraryTree, MainWindow, 0, 50, 300, 500));
    ASSERT_TRUE(
        widgets::createScintillaGadget(viewer::MainCodeView, MainWindow, 300, 50, 500, 500));
    app::routeMainWindow();
    widgets::showWindow(MainWindow, true);
    widgets::testing::scriptDialogs(true);
    widgets::testing::processPendingEvents();
    widgets::clearWindowEvents();
}

void MainWindowTest::TearDown() {
    widgets::closeWindow(SearchWindow);
    widgets::closeWindow(MainWindow);
    widgets::freeMenu(LinkPopupMenu);
    widgets::testing::scriptDialogs(false);
    widgets::clearWindowEvents();
    StoreTest::TearDown();
}

int MainWindowTest::dispatchEvents() {
    widgets::testing::processPendingEvents();
    int handled = 0;
    for (auto event = widgets::windowEvent(); event.kind != widgets::EventKind::None;
         event = widgets::windowEvent()) {
        ++handled;
        if (event.kind != widgets::EventKind::Gadget) {
            continue;
        }
        app::appSettings().editorPath = editorPath;
        app::dispatchGadget(event);
        widgets::testing::processPendingEvents();
    }
    return handled;
}

std::string MainWindowTest::viewText() {
    const auto length =
        widgets::sendScintilla(viewer::MainCodeView, QsciScintillaBase::SCI_GETLENGTH);
    const auto* data = reinterpret_cast<const char*>(
        widgets::sendScintilla(viewer::MainCodeView, QsciScintillaBase::SCI_GETCHARACTERPOINTER));
    return data ? std::string(data, static_cast<std::size_t>(length)) : std::string();
}

bool MainWindowTest::commandEnabled(int command) {
    const bool menu = !widgets::menuItemDisabled(MainMenu, command);
    const bool button = !widgets::toolBarButtonDisabled(MainToolBar, command);
    EXPECT_EQ(menu, button) << "command " << command;
    return menu && button;
}

} // namespace codarium::library::testing
