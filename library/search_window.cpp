#include "library/search_window.h"

#include "library/library_numbers.h"
#include "library/library_tree.h"
#include "library/search_core.h"
#include "library/search_marks.h"
#include "library/search_window_layout.h"
#include "library/store_paths.h"
#include "widgets/field_rules.h"
#include "widgets/gadget_routes.h"
#include "widgets/gadgets.h"
#include "widgets/keyboard.h"
#include "widgets/list_gadget.h"
#include "widgets/text_gadgets.h"
#include "widgets/tree_gadget.h"
#include "widgets/windows.h"

namespace codarium::library {
namespace {

constexpr int ColumnWidth = 235;

// The text the rows of list 903 were found with; field 901 may have been
// edited since. callOf: the API function whose callers the window lists, as
// long as field 901 still holds the text it was opened with.
struct SearchWindowState {
    std::string resultText;
    std::string callOf;
};
SearchWindowState state;

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

void onSearchGadget(const widgets::WindowEvent& event) {
    onSearchWindowEvent(event.gadget, event.subType);
}
constexpr widgets::GadgetRoute SearchWindowRoutes[] = {
    {SearchTextField, onSearchGadget},    {SearchAgainButton, onSearchGadget},
    {ResultList, onSearchGadget},         {ShowButton, onSearchGadget},
    {ShowAndCloseButton, onSearchGadget}, {CloseSearchButton, onSearchGadget},
};

std::string callersFieldText(std::string_view function) {
    return std::string(function) + "_()";
}

void openWindowWith(const std::string& text) {
    widgets::closeWindow(SearchWindow);
    clearSearchMarks(); // they belong to the earlier search
    const widgets::WindowFlags flags =
        widgets::WindowTitleBar | widgets::WindowSystemMenu | widgets::WindowMinimizeGadget |
        widgets::WindowMaximizeGadget | widgets::WindowSizeGadget | widgets::WindowParentCentered |
        widgets::WindowInvisible | widgets::WindowNoCloseEntry;
    if (!widgets::openWindow(SearchWindow, 0, 0, SearchWindowWidth, SearchWindowHeight, "Suchen",
                             flags, MainWindow)) {
        return;
    }
    widgets::routeGadgets(SearchWindow, SearchWindowRoutes);
    const SearchLayout l = searchWindowLayout(SearchWindowWidth, SearchWindowHeight);
    widgets::stringGadget(SearchTextField, SearchWindow, l.field.x, l.field.y, l.field.width,
                          l.field.height, text, widgets::TextFieldReportsReturn);
    widgets::buttonGadget(SearchAgainButton, SearchWindow, l.button.x, l.button.y, l.button.width,
                          l.button.height, "Suchen");
    widgets::listIconGadget(ResultList, SearchWindow, l.list.x, l.list.y, l.list.width,
                            l.list.height, "Name", ColumnWidth);
    widgets::addListColumn(ResultList, 1, "Categorie", ColumnWidth);
    widgets::buttonGadget(ShowButton, SearchWindow, l.show.x, l.show.y, l.show.width, l.show.height,
                          "Anzeigen");
    widgets::buttonGadget(ShowAndCloseButton, SearchWindow, l.showAndClose.x, l.showAndClose.y,
                          l.showAndClose.width, l.showAndClose.height,
                          "Anzeigen und schlie\xDF"
                          "en");
    widgets::buttonGadget(CloseSearchButton, SearchWindow, l.close.x, l.close.y, l.close.width,
                          l.close.height,
                          "Schlie\xDF"
                          "en");
    widgets::enableWhenFilled(SearchTextField, SearchAgainButton);
    widgets::setGadgetAccessibleName(SearchTextField, "Suchtext");
    widgets::setGadgetAccessibleName(ResultList, "Suchergebnisse");
    // Return already searches in the field and shows the row in the list.
    widgets::setDialogKeys(SearchWindow,
                           {.firstField = ResultList, .cancelButton = CloseSearchButton});
    widgets::addKeyGadget(SearchWindow, "Ctrl+Return; Ctrl+Enter", ShowAndCloseButton);
    widgets::showWindow(SearchWindow, true);
    enableShowButtons(false);
    runSearch(CodesDirectory);
    widgets::setWindowMinimumSize(SearchWindow, SearchWindowWidth, SearchWindowMinimumHeight);
}

} // namespace

void openSearchWindow() {
    state.callOf.clear();
    openWindowWith(widgets::gadgetText(SearchField));
}

void openCallersSearchWindow(std::string_view function) {
    state.callOf = std::string(function);
    openWindowWith(callersFieldText(function));
}

void relayoutSearchWindow() {
    using widgets::Ignore;
    const SearchLayout l =
        searchWindowLayout(widgets::windowWidth(SearchWindow), widgets::windowHeight(SearchWindow));
    widgets::resizeGadget(SearchTextField, Ignore, Ignore, l.field.width, Ignore);
    widgets::resizeGadget(SearchAgainButton, l.button.x, Ignore, Ignore, Ignore);
    widgets::resizeGadget(ResultList, Ignore, Ignore, l.list.width, l.list.height);
    widgets::resizeGadget(ShowButton, l.show.x, l.show.y, Ignore, Ignore);
    widgets::resizeGadget(ShowAndCloseButton, l.showAndClose.x, l.showAndClose.y, Ignore, Ignore);
    widgets::resizeGadget(CloseSearchButton, l.close.x, l.close.y, Ignore, Ignore);
}

void runSearch(std::string_view directory) {
    state.resultText = widgets::gadgetText(SearchTextField);
    // Another text typed into the field is an ordinary search again.
    if (!state.callOf.empty() && state.resultText != callersFieldText(state.callOf)) {
        state.callOf.clear();
    }
    const auto results = state.callOf.empty() ? searchCodes(directory, state.resultText)
                                              : searchCallers(directory, state.callOf);
    for (const auto& result : results) {
        widgets::addListRow(ResultList, {result.name, result.category});
        widgets::setListRowToolTip(ResultList, widgets::listRowCount(ResultList) - 1,
                                   matchToolTip(result));
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
    // A call is marked by its name, which its arguments follow.
    const std::string text = state.callOf.empty() ? state.resultText : state.callOf + "_";
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

void onSearchWindowEvent(int gadget, widgets::GadgetEvent event) {
    switch (gadget) {
    case SearchTextField:
        if (event == widgets::GadgetEvent::ReturnKey &&
            widgets::hasNonBlankText(widgets::gadgetText(SearchTextField))) {
            searchAgain();
        }
        widgets::enableWhenFilled(SearchTextField, SearchAgainButton);
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
