#include "app/main_layout.h"
#include "app/main_window.h"
#include "app/main_window_numbers.h"
#include "app/ui_text.h"
#include "library/api_link_commands.h"
#include "viewer/code_view.h"
#include "widgets/gadgets.h"
#include "widgets/keyboard.h"
#include "widgets/menus.h"
#include "widgets/scintilla_gadget.h"
#include "widgets/splitter_gadget.h"
#include "widgets/status_bar.h"
#include "widgets/text_gadgets.h"
#include "widgets/toolbar.h"
#include "widgets/tree_gadget.h"
#include "widgets/windows.h"

namespace codarium::app {
namespace {

void prepareCodeView(const AppSettings& settings) {
    viewer::setReadOnly(CodeViewGadget, true);
    widgets::disableOwnPopup(CodeViewGadget);
    widgets::setContextMenuHandler(CodeViewGadget, [](QPoint at) {
        widgets::displayPopupMenu(CodeViewPopupMenu, MainWindow, at.x() - 1, at.y() - 1);
    });
    library::attachApiCallPointer();
    viewer::setWordWrap(CodeViewGadget, settings.wordWrap == 1);
    viewer::setZoom(CodeViewGadget, settings.zoom);
}

// Names a screen reader reads for the gadgets without a label of their own.
void nameMainGadgets() {
    widgets::setGadgetAccessibleName(SearchField, ui("Suchtext"));
    widgets::setGadgetAccessibleName(LibraryTreeGadget, ui("Kategorien und Codes"));
    widgets::setGadgetAccessibleName(CodeViewGadget, ui("Code"));
}

} // namespace

void buildMainGadgets(const AppSettings& settings) {
    const MainLayout layout = mainWindowLayout(
        widgets::windowWidth(MainWindow), widgets::windowHeight(MainWindow),
        widgets::toolBarHeight(MainToolBar), widgets::statusBarHeight(MainStatusBar),
        widgets::windowMenuBarHeight(MainWindow));

    const Rect& f = layout.searchField;
    widgets::stringGadget(SearchField, MainWindow, f.x, f.y, f.width, f.height, "",
                          widgets::TextFieldReportsReturn);
    const Rect& b = layout.searchButton;
    widgets::buttonGadget(SearchButton, MainWindow, b.x, b.y, b.width, b.height, ui("Suchen"));
    widgets::disableGadget(SearchButton, true);

    widgets::treeGadget(LibraryTreeGadget, MainWindow, 0, 0, 0, 0);
    if (viewer::createCodeView(CodeViewGadget, MainWindow, 0, 0, 0, 0,
                               ProgramIdentity::HighlighterName) != 0) {
        prepareCodeView(settings);
    }

    nameMainGadgets();

    const Rect& s = layout.splitter;
    if (widgets::splitterGadget(MainSplitter, MainWindow, s.x, s.y, s.width, s.height,
                                LibraryTreeGadget, CodeViewGadget)) {
        widgets::setSplitterMinimums(MainSplitter, SplitterPaneMinimum, SplitterPaneMinimum);
        widgets::setSplitterPosition(MainSplitter, settings.splitterPosition);
    } else {
        // Without a code view the tree takes the splitter's place.
        widgets::resizeGadget(LibraryTreeGadget, s.x, s.y, s.width, s.height);
    }
}

} // namespace codarium::app
