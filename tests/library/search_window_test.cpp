#include "library/library_numbers.h"
#include "library/library_tree.h"
#include "library/search_marks.h"
#include "library/search_window.h"
#include "main_window_fixture.h"
#include "viewer/code_view_text.h"
#include "widgets/gadgets.h"
#include "widgets/list_gadget.h"
#include "widgets/scintilla_gadget.h"
#include "widgets/test_hooks.h"
#include "widgets/tree_gadget.h"
#include "widgets/windows.h"
#include <Qsci/qsciscintillabase.h>

namespace codarium::library {
namespace {

using testing::writeFile;

class SearchWindowTest : public testing::MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        addCategory("Fenster", {"SendMessage", "Box"}, [](std::string_view title) {
            return title == "Box" ? std::string("If MESSAGEBOX_(0, \"\", \"\", 0)\r\n  message\r\n")
                                  : std::string("; nichts\r\n");
        });
        addCategory("Netz", {"Box", "Verbinden"},
                    [](std::string_view title) { return "; Netz " + std::string(title) + "\r\n"; });
        writeFile("Codes/Netz/Fremd.pb", "message, not in the code list");
        reloadLibraryTree();
    }

    void search(std::string_view text) {
        widgets::setGadgetText(SearchField, "");
        ASSERT_TRUE(widgets::testing::typeIntoField(SearchField, text));
        ASSERT_TRUE(widgets::testing::pressReturn(SearchField));
        dispatchEvents();
    }
    static std::vector<std::string> rows() {
        std::vector<std::string> out;
        for (int r = 0; r < widgets::listRowCount(ResultList); ++r) {
            out.push_back(widgets::listCellText(ResultList, r, 1) + "|" +
                          widgets::listCellText(ResultList, r, 0));
        }
        return out;
    }
    void pick(int row) {
        widgets::setSelectedListRow(ResultList, row);
        dispatchEvents();
    }
    static bool showButtonsEnabled() {
        const bool show = !widgets::gadgetDisabled(ShowButton);
        EXPECT_EQ(show, !widgets::gadgetDisabled(ShowAndCloseButton));
        return show;
    }
    static bool marked(std::size_t position) {
        return widgets::sendScintilla(viewer::MainCodeView, QsciScintillaBase::SCI_INDICATORVALUEAT,
                                      SearchMarkIndicator,
                                      static_cast<std::intptr_t>(position)) != 0;
    }
};

TEST_F(SearchWindowTest, ReturnInTheSearchFieldOpensTheWindowWithItsTextUntrimmed) {
    search(" message");
    ASSERT_TRUE(widgets::isWindow(SearchWindow));
    EXPECT_EQ(widgets::windowTitle(SearchWindow), "Suchen");
    EXPECT_EQ(widgets::gadgetText(SearchTextField), " message");
    EXPECT_EQ(widgets::gadgetText(ShowAndCloseButton), "Anzeigen und schlie\xDF"
                                                       "en");
    // Only Box has a blank before "message"; Fremd's line starts with it.
    EXPECT_EQ(rows(), (std::vector<std::string>{"Fenster|Box"}));
    EXPECT_FALSE(showButtonsEnabled());
    EXPECT_FALSE(widgets::gadgetDisabled(SearchAgainButton));
}

TEST_F(SearchWindowTest, BlankTextOpensNothingAndLeavesTheButtonDisabled) {
    search("   ");
    EXPECT_FALSE(widgets::isWindow(SearchWindow));
    EXPECT_TRUE(widgets::gadgetDisabled(SearchButton));
    widgets::setGadgetText(SearchField, "");
    ASSERT_TRUE(widgets::testing::typeIntoField(SearchField, "x"));
    dispatchEvents();
    EXPECT_FALSE(widgets::gadgetDisabled(SearchButton));
    ASSERT_TRUE(widgets::testing::clickButton(SearchButton));
    dispatchEvents();
    EXPECT_TRUE(widgets::isWindow(SearchWindow));
}

TEST_F(SearchWindowTest, EveryNewSearchDisablesTheShowButtonsUntilARowIsSelected) {
    search("message");
    EXPECT_EQ(rows(),
              (std::vector<std::string>{"Fenster|Box", "Fenster|SendMessage", "Netz|Fremd"}));
    pick(0);
    EXPECT_TRUE(showButtonsEnabled());
    ASSERT_TRUE(widgets::testing::clickButton(SearchAgainButton));
    dispatchEvents();
    EXPECT_FALSE(showButtonsEnabled());
    EXPECT_EQ(rows().size(), 3u);

    // Return with only blanks in 901: no search, and 902 goes off.
    pick(1);
    widgets::setGadgetText(SearchTextField, "");
    ASSERT_TRUE(widgets::testing::typeIntoField(SearchTextField, "  "));
    ASSERT_TRUE(widgets::testing::pressReturn(SearchTextField));
    dispatchEvents();
    EXPECT_TRUE(showButtonsEnabled());
    EXPECT_EQ(rows().size(), 3u);
    EXPECT_TRUE(widgets::gadgetDisabled(SearchAgainButton));

    widgets::setGadgetText(SearchTextField, "");
    ASSERT_TRUE(widgets::testing::typeIntoField(SearchTextField, "netz"));
    ASSERT_TRUE(widgets::testing::pressReturn(SearchTextField));
    dispatchEvents();
    EXPECT_FALSE(showButtonsEnabled());
    EXPECT_EQ(rows(), (std::vector<std::string>{"Netz|Box", "Netz|Verbinden"}));
}

TEST_F(SearchWindowTest, ASearchFromTheMainWindowReplacesAnOpenWindow) {
    search("message");
    widgets::setGadgetText(SearchTextField, "edited");
    search("verbinden");
    EXPECT_EQ(widgets::gadgetText(SearchTextField), "verbinden");
    EXPECT_EQ(rows(), (std::vector<std::string>{"Netz|Verbinden"}));
}

TEST_F(SearchWindowTest, ShowAndCloseLeavesTheFoundCodeSelectedShownAndMarked) {
    search("message");
    pick(0); // Fenster|Box
    ASSERT_TRUE(widgets::testing::clickButton(ShowAndCloseButton));
    dispatchEvents();
    EXPECT_FALSE(widgets::isWindow(SearchWindow));
    EXPECT_EQ(widgets::currentTreeItem(LibraryTree), 2);
    EXPECT_EQ(viewText(), "If MESSAGEBOX_(0, \"\", \"\", 0)\r\n  message\r\n");
    // Both occurrences marked, whatever their case, and nothing else.
    EXPECT_TRUE(marked(3));
    EXPECT_TRUE(marked(9));
    EXPECT_FALSE(marked(10));
    EXPECT_TRUE(marked(34));
    EXPECT_FALSE(marked(0));
    EXPECT_EQ(widgets::sendScintilla(viewer::MainCodeView, QsciScintillaBase::SCI_GETCURRENTPOS),
              3);

    // The marks go with the next code shown.
    ASSERT_TRUE(widgets::testing::clickTreeItem(LibraryTree, 4));
    dispatchEvents();
    EXPECT_EQ(viewText(), "; Netz Box\r\n");
    EXPECT_FALSE(marked(2));
    ASSERT_TRUE(widgets::testing::clickTreeItem(LibraryTree, 2));
    dispatchEvents();
    EXPECT_FALSE(marked(3));
}

TEST_F(SearchWindowTest, ANewSearchTakesTheMarksOfTheEarlierOneAway) {
    const auto showMarkedBox = [this] {
        search("message");
        pick(0); // Fenster|Box
        ASSERT_TRUE(widgets::testing::clickButton(ShowButton));
        dispatchEvents();
        ASSERT_TRUE(marked(3));
    };
    // Searching again in the window, by button and by Return.
    showMarkedBox();
    ASSERT_TRUE(widgets::testing::clickButton(SearchAgainButton));
    dispatchEvents();
    EXPECT_FALSE(marked(3));
    EXPECT_FALSE(marked(34));
    showMarkedBox();
    ASSERT_TRUE(widgets::testing::pressReturn(SearchTextField));
    dispatchEvents();
    EXPECT_FALSE(marked(3));
    // A new search from the main window, the code still shown.
    showMarkedBox();
    search("verbinden");
    EXPECT_EQ(viewText(), "If MESSAGEBOX_(0, \"\", \"\", 0)\r\n  message\r\n");
    EXPECT_FALSE(marked(3));
    // Nothing comes back when the code is shown again without the search.
    ASSERT_TRUE(widgets::testing::clickTreeItem(LibraryTree, 1));
    ASSERT_TRUE(widgets::testing::clickTreeItem(LibraryTree, 2));
    dispatchEvents();
    EXPECT_FALSE(marked(3));
}

TEST_F(SearchWindowTest, ShowKeepsTheWindowAndFindsTheCodeUnderItsOwnCategory) {
    search("box");
    EXPECT_EQ(rows(), (std::vector<std::string>{"Fenster|Box", "Netz|Box"}));
    pick(1);
    ASSERT_TRUE(widgets::testing::clickButton(ShowButton));
    dispatchEvents();
    EXPECT_TRUE(widgets::isWindow(SearchWindow));
    EXPECT_EQ(widgets::currentTreeItem(LibraryTree), 4);
    EXPECT_EQ(viewText(), "; Netz Box\r\n");
    EXPECT_TRUE(marked(7));
    // Showing the code already shown marks it again.
    ASSERT_TRUE(widgets::testing::clickButton(ShowButton));
    dispatchEvents();
    EXPECT_TRUE(marked(7));
}

TEST_F(SearchWindowTest, AResultTheTreeDoesNotListSelectsNothing) {
    search("not in the code list");
    ASSERT_EQ(rows(), (std::vector<std::string>{"Netz|Fremd"}));
    ASSERT_TRUE(widgets::testing::clickTreeItem(LibraryTree, 1));
    dispatchEvents();
    pick(0);
    ASSERT_TRUE(widgets::testing::clickButton(ShowAndCloseButton));
    dispatchEvents();
    EXPECT_FALSE(widgets::isWindow(SearchWindow));
    EXPECT_EQ(widgets::currentTreeItem(LibraryTree), 1);
    EXPECT_EQ(viewText(), "; nichts\r\n");
}

TEST_F(SearchWindowTest, ReturnInTheResultListShowsTheSelectedCodeAndKeepsTheWindow) {
    search("box");
    pick(0);
    ASSERT_TRUE(widgets::testing::pressReturn(ResultList));
    dispatchEvents();
    EXPECT_TRUE(widgets::isWindow(SearchWindow));
    EXPECT_EQ(widgets::currentTreeItem(LibraryTree), 2);
    EXPECT_EQ(viewText(), "If MESSAGEBOX_(0, \"\", \"\", 0)\r\n  message\r\n");
}

TEST_F(SearchWindowTest, TheCloseButtonClosesTheWindow) {
    search("message");
    ASSERT_TRUE(widgets::testing::clickButton(CloseSearchButton));
    dispatchEvents();
    EXPECT_FALSE(widgets::isWindow(SearchWindow));
}

} // namespace
} // namespace codarium::library
