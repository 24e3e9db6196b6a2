#include "app/window_routes.h"

#include "app/app_state.h"
#include "app/editor_commands.h"
#include "app/editor_path_window.h"
#include "app/editor_path_window_numbers.h"
#include "app/main_window_numbers.h"
#include "library/library_tree.h"
#include "library/search_window.h"
#include "widgets/field_rules.h"
#include "widgets/gadget_routes.h"
#include "widgets/gadgets.h"
#include "widgets/menus.h"
#include "widgets/tree_gadget.h"

namespace codarium::app {
namespace {

using widgets::GadgetEvent;
using widgets::GadgetRoute;
using widgets::WindowEvent;

void onSearchField(const WindowEvent& event) {
    if (event.subType == GadgetEvent::ReturnKey &&
        widgets::hasNonBlankText(widgets::gadgetText(SearchField))) {
        library::openSearchWindow();
    }
    widgets::enableWhenFilled(SearchField, SearchButton);
}

// Return on the tree's current item: a code opens in the editor when that
// command is enabled, a category opens or closes.
void onLibraryTreeReturn() {
    const int item = widgets::currentTreeItem(LibraryTreeGadget);
    if (item < 0) {
        return;
    }
    if (widgets::treeItemLevel(LibraryTreeGadget, item) == 0) {
        widgets::setTreeItemExpanded(LibraryTreeGadget, item,
                                     !widgets::treeItemExpanded(LibraryTreeGadget, item));
    } else if (!widgets::menuItemDisabled(MainMenu, command::OpenInEditor)) {
        openCodeInEditor();
    }
}

void onLibraryTree(const WindowEvent& event) {
    if (event.subType == GadgetEvent::ReturnKey) {
        onLibraryTreeReturn();
    } else {
        library::onLibraryTreeEvent(appSettings().editorPath);
    }
}

constexpr GadgetRoute MainWindowRoutes[] = {
    {SearchField, onSearchField},
    {SearchButton, [](const WindowEvent&) { library::openSearchWindow(); }},
    {LibraryTreeGadget, onLibraryTree},
};

constexpr GadgetRoute EditorPathRoutes[] = {
    {ChooseEditorButton, [](const WindowEvent&) { chooseEditor(); }},
    {SaveEditorPathButton, [](const WindowEvent&) { saveEditorPath(); }},
    {CancelEditorPathButton, [](const WindowEvent&) { declineEditorPath(); }},
};

} // namespace

void routeMainWindow() {
    widgets::routeGadgets(MainWindow, MainWindowRoutes);
}

void routeEditorPathWindow() {
    widgets::routeGadgets(EditorPathWindow, EditorPathRoutes);
}

} // namespace codarium::app
