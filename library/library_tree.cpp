#include "library/library_tree.h"

#include "library/api_links.h"
#include "library/code_api_links.h"
#include "library/library_contents.h"
#include "library/library_numbers.h"
#include "library/link_file.h"
#include "library/name_check.h"
#include "library/search_marks.h"
#include "library/store_paths.h"
#include "platform/paths.h"
#include "runtime/run_program.h"
#include "viewer/code_view_text.h"
#include "widgets/gadgets.h"
#include "widgets/keyboard.h"
#include "widgets/menus.h"
#include "widgets/scintilla_gadget.h"
#include "widgets/scintilla_messages.h"

#include "widgets/status_bar.h"
#include "widgets/toolbar.h"
#include "widgets/tree_gadget.h"
#include <vector>

namespace codarium::library {
namespace {

void enableCommand(int command, bool enabled) {
    widgets::disableMenuItem(MainMenu, command, !enabled);
    widgets::disableToolBarButton(MainToolBar, command, !enabled);
}

struct CurrentCode {
    std::string category;
    std::string title;
};

// The current item when it is a code; nothing for a category or no item,
// nor for a code whose category or title the name check refuses: no file is
// read or linked through such a name.
bool currentCode(CurrentCode& code) {
    const int position = widgets::currentTreeItem(LibraryTree);
    if (position < 0 || widgets::treeItemLevel(LibraryTree, position) != 1) {
        return false;
    }
    code.category = categoryOfItem(LibraryTree, position);
    code.title = widgets::treeItemText(LibraryTree, position);
    return isSafeCode(code.category, code.title);
}

} // namespace

TreeCounts fillLibraryTree(int tree) {
    // Reading everything first keeps the widget's work in one uninterrupted run.
    const LibraryContents contents = readLibraryContents();
    std::vector<widgets::TreeItemText> items;
    items.reserve(contents.items.size());
    for (const auto& item : contents.items) {
        items.push_back({item.text, item.level});
    }
    widgets::addTreeItems(tree, items);
    return {contents.categories, contents.codes};
}

void reloadLibraryTree() {
    widgets::clearTree(LibraryTree);
    const TreeCounts counts = fillLibraryTree(LibraryTree);
    widgets::setStatusBarText(MainStatusBar, StatusField,
                              libraryStatusText(counts.categories, counts.codes));
    updateLibraryCommands();
}

void updateLibraryCommands() {
    const bool filled = widgets::treeItemCount(LibraryTree) > 0;
    for (const int command : LibraryCommands) {
        enableCommand(command, filled);
    }
    widgets::disableGadget(SearchField, !filled);
}

void onLibraryTreeEvent(std::string_view editorPath) {
    CurrentCode code;
    if (!currentCode(code)) {
        enableCommand(CommandOpenInEditor, false);
        enableCommand(CommandLinkMenu, false);
        viewer::clearCodeView();
        clearSearchMarks();
        return;
    }
    enableCommand(CommandLinkMenu, true);
    if (editorPath != "0") {
        enableCommand(CommandOpenInEditor, true);
    }
    viewer::showCodeFile(sourcePath(code.category, code.title));
    updateSearchMarks(code.category, code.title);
}

namespace {

void setAllExpanded(bool expanded) {
    const int count = widgets::treeItemCount(LibraryTree);
    for (int position = 0; position < count; ++position) {
        if (widgets::treeItemLevel(LibraryTree, position) == 0) {
            widgets::setTreeItemExpanded(LibraryTree, position, expanded);
        }
        widgets::setTreeItemSelected(LibraryTree, position, false);
    }
    widgets::setTreeItemSelected(LibraryTree, 0, true);
    widgets::scrollTreeToTop(LibraryTree);
}

} // namespace

void expandAll() {
    setAllExpanded(true);
}

void collapseAll() {
    setAllExpanded(false);
}

namespace {

widgets::ScreenPoint keyboardFocusPoint() {
    namespace sci = widgets::sci;
    const int view = viewer::MainCodeView;
    if (widgets::gadgetHasFocus(view)) {
        const auto caret = widgets::sendScintilla(view, sci::GetCurrentPos);
        const auto line =
            widgets::sendScintilla(view, sci::LineFromPosition, static_cast<std::uintptr_t>(caret));
        const auto x = widgets::sendScintilla(view, sci::PointXFromPosition, 0, caret);
        const auto y =
            widgets::sendScintilla(view, sci::PointYFromPosition, 0, caret) +
            widgets::sendScintilla(view, sci::TextHeight, static_cast<std::uintptr_t>(line));
        return widgets::gadgetPointOnScreen(view, static_cast<int>(x), static_cast<int>(y));
    }
    const auto place = widgets::treeItemPlace(LibraryTree, widgets::currentTreeItem(LibraryTree));
    return widgets::gadgetPointOnScreen(LibraryTree, place.x, place.y + place.height);
}

} // namespace

void showLinkMenu(bool atKeyboardFocus) {
    widgets::createPopupMenu(LinkPopupMenu);
    CurrentCode code;
    if (!currentCode(code)) {
        return; // no code: nothing to offer, and no empty popup
    }
    // The calls are those of the text the view shows, which is the code's.
    const std::string shown = viewer::viewText(viewer::MainCodeView);
    const auto calls = cataloguedCalls(shown, apiLinks());
    // From the keyboard in the view, the call at the caret comes first.
    const bool fromView = atKeyboardFocus && widgets::gadgetHasFocus(viewer::MainCodeView);
    const auto first =
        fromView
            ? cataloguedCallIndexAt(
                  shown, static_cast<std::size_t>(widgets::caretPosition(viewer::MainCodeView)),
                  apiLinks())
            : std::nullopt;
    const auto entries =
        linkMenuEntries(linkNames(linkFilePath(code.category, code.title)), calls, first);
    for (const LinkMenuEntry& entry : entries) {
        switch (entry.kind) {
        case LinkMenuEntry::Kind::Item:
            widgets::addMenuItem(LinkPopupMenu, entry.command, entry.text);
            break;
        case LinkMenuEntry::Kind::Separator:
            widgets::addMenuSeparator(LinkPopupMenu);
            break;
        case LinkMenuEntry::Kind::Disabled:
            widgets::addMenuNote(LinkPopupMenu, entry.command, entry.text);
            break;
        }
    }
    if (atKeyboardFocus) {
        const widgets::ScreenPoint at = keyboardFocusPoint();
        widgets::displayPopupMenu(LinkPopupMenu, MainWindow, at.x, at.y);
        if (first) {
            widgets::highlightMenuItem(LinkPopupMenu, entries.front().command);
        }
    } else {
        widgets::displayPopupMenu(LinkPopupMenu, MainWindow);
    }
}

void openLink(int command) {
    CurrentCode code;
    if (!currentCode(code)) {
        return;
    }
    // A command name on the file's last line has no address: nothing to open.
    const auto address = linkAddress(linkFilePath(code.category, code.title), command);
    if (address && !address->empty()) {
        runProgram(platform::nativeFormOf(*address), "", "");
    }
}

std::string categoryOfItem(int tree, int position) {
    for (int k = position - 1; k >= 0; --k) {
        if (widgets::treeItemLevel(tree, k) == 0) {
            return widgets::treeItemText(tree, k);
        }
    }
    return {};
}

} // namespace codarium::library
