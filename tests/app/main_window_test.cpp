#include "app/app_state.h"
#include "app/main_window_numbers.h"
#include "app/ui_text.h"
#include "program_fixture.h"
#include "widgets/gadgets.h"
#include "widgets/menus.h"
#include "widgets/object_registry.h"
#include "widgets/status_bar.h"
#include "widgets/test_hooks.h"
#include "widgets/toolbar.h"
#include "widgets/windows.h"

namespace codarium::app {
namespace {

namespace hooks = widgets::testing;

std::vector<std::string> programTexts(std::initializer_list<const char*> utf8) {
    std::vector<std::string> out;
    for (const char* s : utf8) {
        out.push_back(ui(s));
    }
    return out;
}

class MainWindowTest : public testsupport::ProgramTest {};

TEST_F(MainWindowTest, MenuBarTitlesAndItemsAreExactInNormalMode) {
    ASSERT_TRUE(start());
    EXPECT_EQ(hooks::menuOutline(MainMenu), programTexts({
                                                "[Programm]",
                                                "  [Enregistrer paramètres ]",
                                                "    22:Répertoire application(Standard)",
                                                "    23:Répertoire programme(Portable)",
                                                "  1:Actualiser    ",
                                                "  2:Sortie ",
                                                "[  Voir ]",
                                                "  [Categorie]",
                                                "    3:Tout déplier   ",
                                                "    4:Tout fermer   ",
                                                "  [Taille Toolbar   ]",
                                                "    16:16x16",
                                                "    17:24x24",
                                                "    18:32x32",
                                                "  21:Saut de ligne",
                                                "[Code]",
                                                "  19:Ouverture dans Purebasic",
                                                "  20:Lien avec MSDN     ",
                                                "  15:Chemin éditeur Purebasic        ",
                                                "[Extras]",
                                                "  10:Proposer un code WinAPI      ",
                                                "  11:Ajouter un boc en Purebasic      ",
                                                "[Aide ]",
                                                "  12:Information  ",
                                            }));
    EXPECT_EQ(hooks::menuOutline(CodeViewPopupMenu),
              (std::vector<std::string>{"13:Kopieren", "14:Alles markieren"}));
    // The version is the release of the build (project() in CMakeLists.txt).
    EXPECT_EQ(widgets::windowTitle(MainWindow), std::string("Codarium ") + CODARIUM_VERSION);
}

TEST_F(MainWindowTest, MenuItemsShowTheirImages) {
    ASSERT_TRUE(start());
    const std::pair<int, int> pictured[] = {
        {command::Update, image::Update},
        {command::Exit, image::RemoveCode},
        {command::ExpandAll, image::Expand},
        {command::CollapseAll, image::Collapse},
        {command::OpenInEditor, image::EditorIcon},
        {command::LinkMenu, image::Links},
        {command::ChooseEditor, image::EditorIcon},
        {command::SubmitCode, image::SubmitCode},
        {command::ExportTemplates, image::AddTemplates},
        {command::About, image::Information},
    };
    for (const auto& [cmd, img] : pictured) {
        QAction* a = hooks::menuItemAction(MainMenu, cmd);
        ASSERT_NE(a, nullptr) << cmd;
        EXPECT_EQ(hooks::actionImageNumber(a), img) << cmd;
        // Every shipped icon loaded; the editor's icon is empty before the
        // editor's path is chosen.
        EXPECT_EQ(a->icon().isNull(), img == image::EditorIcon) << cmd;
    }
    for (int cmd : {22, 23, 16, 17, 18, 21}) {
        EXPECT_TRUE(hooks::menuItemAction(MainMenu, cmd)->icon().isNull()) << cmd;
    }
    EXPECT_FALSE(hooks::imageObject(image::Search).isNull());
    EXPECT_FALSE(hooks::imageObject(image::Banner).isNull());
}

TEST_F(MainWindowTest, ToolbarOrderTooltipsAndIconSizeInNormalMode) {
    ASSERT_TRUE(start());
    EXPECT_EQ(hooks::toolBarLayout(MainToolBar),
              (std::vector<int>{3, 4, -1, 10, 11, -1, 19, 20, -1, 1, 12}));
    const std::pair<int, const char*> tips[] = {
        {1, "Actualiser    "},
        {3, "Categorie Dépliée   "},
        {4, "Categorie fermée   "},
        {10, "Proposer un code WinAPI      "},
        {11, "Ajouter un boc en Purebasic      "},
        {12, "Information  "},
        {19, "Ouverture dans Purebasic"},
        {20, "Lien avec MSDN     "},
    };
    for (const auto& [cmd, tip] : tips) {
        EXPECT_EQ(widgets::toolBarToolTip(MainToolBar, cmd), ui(tip)) << cmd;
    }
    EXPECT_EQ(widgets::toolBarIconSize(MainToolBar), 32);
    EXPECT_TRUE(widgets::menuItemChecked(MainMenu, command::IconSize32));
    EXPECT_FALSE(widgets::menuItemChecked(MainMenu, command::IconSize16));
    EXPECT_FALSE(widgets::menuItemChecked(MainMenu, command::IconSize24));
}

TEST_F(MainWindowTest, AdministratorModeAddsTheEditingMenuButtonsAndTitle) {
    writeStandardSettings(
        "[Einstellungen]\r\nAdministratormodus = 1\r\nToolBar_Icongroesse = 24\r\n");
    ASSERT_TRUE(start());
    EXPECT_EQ(widgets::windowTitle(MainWindow),
              std::string("Codarium ") + CODARIUM_VERSION + " - Administrator");
    const auto outline = hooks::menuOutline(MainMenu);
    const std::vector<std::string> editing = programTexts({
        "[Bearbeitung]",
        "  [Categorie]",
        "    5:Erstellen",
        "    6:Entfernen",
        "  [Code]",
        "    7:Hinzufügen",
        "    8:Entfernen",
        "  9:Alle Kategorien und Codes entfernen",
        "[Code]",
    });
    const auto at = std::find(outline.begin(), outline.end(), "[Bearbeitung]");
    ASSERT_NE(at, outline.end());
    EXPECT_EQ(std::vector<std::string>(at, at + static_cast<long>(editing.size())), editing);
    EXPECT_EQ(hooks::actionImageNumber(hooks::menuItemAction(MainMenu, 9)), image::RemoveAll);
    EXPECT_EQ(hooks::actionImageNumber(hooks::menuItemAction(MainMenu, 7)), image::AddCode);

    EXPECT_EQ(hooks::toolBarLayout(MainToolBar),
              (std::vector<int>{3, 4, 5, 6, 7, 8, 9, -1, 10, 11, -1, 19, 20, -1, 1, 12}));
    EXPECT_EQ(widgets::toolBarToolTip(MainToolBar, 7), ui("Code hinzufügen"));
    EXPECT_EQ(widgets::toolBarToolTip(MainToolBar, 9), "Alle Kategorien und Codes entfernen");
    EXPECT_EQ(widgets::toolBarIconSize(MainToolBar), 24);
    EXPECT_TRUE(widgets::menuItemChecked(MainMenu, command::IconSize24));
}

TEST_F(MainWindowTest, NormalModeHasNoEditingCommands) {
    ASSERT_TRUE(start());
    for (int cmd = 5; cmd <= 9; ++cmd) {
        EXPECT_FALSE(widgets::hasMenuItem(MainMenu, cmd)) << cmd;
        EXPECT_EQ(hooks::toolBarAction(MainToolBar, cmd), nullptr) << cmd;
    }
}

TEST_F(MainWindowTest, StatesAtStart) {
    writeStandardSettings("[Einstellungen]\r\nSaut de ligne = 1\r\nToolBar_Icongroesse = 0\r\n");
    ASSERT_TRUE(start());
    for (int cmd : {command::OpenInEditor, command::LinkMenu}) {
        EXPECT_TRUE(widgets::menuItemDisabled(MainMenu, cmd)) << cmd;
        EXPECT_TRUE(widgets::toolBarButtonDisabled(MainToolBar, cmd)) << cmd;
    }
    EXPECT_FALSE(widgets::menuItemDisabled(MainMenu, command::ChooseEditor));
    EXPECT_TRUE(widgets::gadgetDisabled(SearchButton));
    // The scratch library is empty, so there is nothing to search.
    EXPECT_TRUE(widgets::gadgetDisabled(SearchField));
    EXPECT_EQ(widgets::gadgetText(SearchField), "");
    EXPECT_TRUE(widgets::menuItemChecked(MainMenu, command::WordWrap));
    EXPECT_TRUE(widgets::menuItemChecked(MainMenu, command::StandardLocation));
    EXPECT_FALSE(widgets::menuItemChecked(MainMenu, command::PortableLocation));
    // An unusable stored size: no size item is checked, the toolbar still
    // gets pictures of a usable size.
    for (int cmd : {16, 17, 18}) {
        EXPECT_FALSE(widgets::menuItemChecked(MainMenu, cmd)) << cmd;
    }
    EXPECT_EQ(widgets::toolBarIconSize(MainToolBar), 32);
    EXPECT_EQ(widgets::windowState(MainWindow), widgets::WindowState::Normal);
    EXPECT_EQ(widgets::windowWidth(MainWindow), 800);
    EXPECT_EQ(widgets::windowHeight(MainWindow), 600);
}

TEST_F(MainWindowTest, TheCodeViewIsAGadgetOfTheMainWindow) {
    ASSERT_TRUE(start());
    EXPECT_EQ(widgets::gadgetWindow(CodeViewGadget), MainWindow);
    EXPECT_EQ(widgets::gadgetWindow(LibraryTreeGadget), MainWindow);
    // A disabled main window takes no input in its view either.
    widgets::disableWindow(MainWindow, true);
    EXPECT_FALSE(widgets::gadgetWidget(CodeViewGadget)->isEnabled());
    widgets::disableWindow(MainWindow, false);
    EXPECT_TRUE(widgets::gadgetWidget(CodeViewGadget)->isEnabled());
}

TEST_F(MainWindowTest, PortableSettingsAreReadAndChecked) {
    writePortableSettings("[Einstellungen]\r\nFensterbreite = 700\r\nFensterhoehe = 500\r\n");
    ASSERT_TRUE(start());
    EXPECT_TRUE(widgets::menuItemChecked(MainMenu, command::PortableLocation));
    EXPECT_FALSE(widgets::menuItemChecked(MainMenu, command::StandardLocation));
    EXPECT_EQ(widgets::windowWidth(MainWindow), 700);
    EXPECT_EQ(widgets::windowHeight(MainWindow), 500);
    // The per-user folder is neither created nor read.
    EXPECT_FALSE(std::filesystem::exists(appData.path() / "Marvolt"));
}

TEST_F(MainWindowTest, LayoutAtStartAndAfterResizing) {
    ASSERT_TRUE(start());
    runPendingTurns();
    const int t = widgets::toolBarHeight(MainToolBar);
    const int s = widgets::statusBarHeight(MainStatusBar);
    const int m = widgets::windowMenuBarHeight(MainWindow);
    EXPECT_EQ(widgets::gadgetY(SearchField), t);
    EXPECT_EQ(widgets::gadgetWidth(SearchField), 700);
    EXPECT_EQ(widgets::gadgetX(SearchButton), 700);
    EXPECT_EQ(widgets::gadgetY(MainSplitter), t + 20);
    EXPECT_EQ(widgets::gadgetHeight(MainSplitter), 600 - (t + s + m + 20));
    EXPECT_EQ(widgets::gadgetWidth(LibraryTreeGadget), 200);
    EXPECT_EQ(widgets::gadgetWidth(CodeViewGadget), 596);

    widgets::resizeWindow(MainWindow, 1000, 700);
    runPendingTurns();
    EXPECT_EQ(widgets::gadgetWidth(SearchField), 900);
    EXPECT_EQ(widgets::gadgetX(SearchButton), 900);
    EXPECT_EQ(widgets::gadgetY(SearchButton), widgets::gadgetY(SearchField));
    EXPECT_EQ(widgets::gadgetWidth(MainSplitter), 1000);
    // The splitter reaches down to the status bar.
    QStatusBar* bar = hooks::statusBarObject(MainStatusBar);
    EXPECT_EQ(widgets::gadgetY(MainSplitter) + widgets::gadgetHeight(MainSplitter), bar->y());
    EXPECT_EQ(widgets::gadgetWidth(LibraryTreeGadget), 200);
    EXPECT_EQ(widgets::gadgetWidth(CodeViewGadget), 796);

    // A wide tree pane gives way to the code view's minimum, never below
    // the window's minimum size.
    widgets::setGadgetState(MainSplitter, 700);
    widgets::resizeWindow(MainWindow, 300, 200);
    runPendingTurns();
    EXPECT_EQ(widgets::windowWidth(MainWindow), 550);
    EXPECT_EQ(widgets::windowHeight(MainWindow), 300);
    EXPECT_EQ(widgets::gadgetWidth(CodeViewGadget), 200);
    EXPECT_EQ(widgets::gadgetWidth(LibraryTreeGadget), 346);
    EXPECT_EQ(widgets::gadgetX(SearchButton), 450);
}

} // namespace
} // namespace codarium::app
