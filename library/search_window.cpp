#include "library/search_window.h"

#include "library/library_numbers.h"
#include "library/library_tree.h"
#include "library/search_core.h"
#include "library/search_marks.h"
#include "library/store_paths.h"
#include "widgets/gadgets.h"
#include "widgets/list_gadget.h"
#include "widgets/text_gadgets.h"
#include "widgets/tree_gadget.h"
#include "widgets/windows.h"

namespace codarium::library {
namespace {

constexpr int InitialWidth = 500;
constexpr int InitialHeight = 400;
constexpr int MinimumHeight = 200;
constexpr int ColumnWidth = 235;

// The text the rows of list 903 were found with; field 901 may have been
// edited since.
struct SearchWindowState {
    std::string resultText;
};
SearchWindowState state;

bool isBlank(std::string_view text) {
    return text.find_first_not_of(' ') == std::string_view::npos;
}

void enableWhenFilled(int field, int button) {
    widgets::disableGadget(button, isBlank(widgets::gadgetText(field)));
}

void enableShowButtons(bool enabled) {
    widgets::disableGadget(ShowButton, !enabled);
    widgets::disableGadget(ShowAndCloseButton, !enabled);
}

// The first item equal to `text` at or after `from`, or -1.
int findTreeItem(std::string_view text, int from) {
    const int count = widgets::treeItemCount(LibraryTree);
    for (int position = from; position < count; ++position) {
        if (widgets::treeItemText(LibraryTree, position) == text) {
            return position;
        }
    }
    return -1;
}

} // namespace

void openSearchWindow() {
    widgets::closeWindow(SearchWindow);
    clearSearchMarks(); // they belong to the earlier search
    const widgets::WindowFlags flags =
        widgets::WindowTitleBar | widgets::WindowSystemMenu | widgets::WindowMinimizeGadget |
        widgets::WindowMaximizeGadget | widgets::WindowSizeGadget | widgets::WindowParentCentered |
        widgets::WindowInvisible | widgets::WindowNoCloseEntry;
    if (!widgets::openWindow(SearchWindow, 0, 0, InitialWidth, InitialHeight, "Suchen", flags,
                             MainWindow)) {
        return;
    }
    const int w = InitialWidth, h = InitialHeight;
    widgets::stringGadget(SearchTextField, SearchWindow, 0, 0, w - 100, 20,
                          widgets::gadgetText(SearchField), widgets::TextFieldReportsReturn);
    widgets::buttonGadget(SearchAgainButton, SearchWindow, w - 100, 0, 100, 20, "Suchen");
    widgets::listIconGadget(ResultList, SearchWindow, 0, 20, w, h - 60, "Name", ColumnWidth);
    widgets::addListColumn(ResultList, 1, "Categorie", ColumnWidth);
    widgets::buttonGadget(ShowButton, SearchWindow, w - 480, h - 30, 150, 20, "Anzeigen");
    widgets::buttonGadget(ShowAndCloseButton, SearchWindow, w - 320, h - 30, 150, 20,
                          "Anzeigen und schlie\xDF"
                          "en");
    widgets::buttonGadget(CloseSearchButton, SearchWindow, w - 160, h - 30, 150, 20,
                          "Schlie\xDF"
                          "en");
    enableWhenFilled(SearchTextField, SearchAgainButton);
    widgets::showWindow(SearchWindow, true);
    enableShowButtons(false);
    runSearch(CodesDirectory);
    widgets::setWindowMinimumSize(SearchWindow, InitialWidth, MinimumHeight);
}

void runSearch(std::string_view directory) {
    state.resultText = widgets::gadgetText(SearchTextField);
    for (const auto& result : searchCodes(directory, state.resultText)) {
        widgets::addListRow(ResultList, {result.name, result.category});
    }
}

void searchAgain() {
    clearSearchMarks();
    widgets::clearList(ResultList);
    enableShowButtons(false);
    runSearch(CodesDirectory);
}

void onResultSelection() {
    enableShowButtons(widgets::selectedListRow(ResultList) >= 0);
}

void showSearchResult(bool close) {
    const int row = widgets::selectedListRow(ResultList);
    if (row < 0) {
        return;
    }
    const std::string name = widgets::listCellText(ResultList, row, 0);
    const std::string category = widgets::listCellText(ResultList, row, 1);
    const std::string text = state.resultText;
    if (close) {
        widgets::closeWindow(SearchWindow);
    }
    // A result whose folder or file the lists do not know selects nothing.
    const int categoryItem = findTreeItem(category, 0);
    const int codeItem = categoryItem < 0 ? -1 : findTreeItem(name, categoryItem + 1);
    if (codeItem < 0) {
        return;
    }
    const std::string treeCategory = categoryOfItem(LibraryTree, codeItem);
    expectSearchMarks(treeCategory, name, text);
    if (widgets::currentTreeItem(LibraryTree) == codeItem) {
        // Already shown: no selection change will come to show it again.
        updateSearchMarks(treeCategory, name);
        return;
    }
    widgets::setCurrentTreeItem(LibraryTree, codeItem);
}

void onSearchFieldEvent(widgets::GadgetEvent event) {
    if (event == widgets::GadgetEvent::ReturnKey && !isBlank(widgets::gadgetText(SearchField))) {
        openSearchWindow();
    }
    enableWhenFilled(SearchField, SearchButton);
}

void onSearchButtonEvent() {
    openSearchWindow();
}

void onSearchWindowEvent(int gadget, widgets::GadgetEvent event) {
    switch (gadget) {
    case SearchTextField:
        if (event == widgets::GadgetEvent::ReturnKey &&
            !isBlank(widgets::gadgetText(SearchTextField))) {
            searchAgain();
        }
        enableWhenFilled(SearchTextField, SearchAgainButton);
        break;
    case SearchAgainButton:
        searchAgain();
        break;
    case ResultList:
        onResultSelection();
        if (event == widgets::GadgetEvent::ReturnKey) {
            showSearchResult(false);
        }
        break;
    case ShowButton:
        showSearchResult(false);
        break;
    case ShowAndCloseButton:
        showSearchResult(true);
        break;
    case CloseSearchButton:
        widgets::closeWindow(SearchWindow);
        break;
    default:
        break;
    }
}

} // namespace codarium::library
