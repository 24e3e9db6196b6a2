#include "app/app_state.h"
#include "app/event_loop.h"
#include "app/main_window_numbers.h"
#include "app/startup.h"
#include "app/ui_text.h"
#include "library/admin_window_numbers.h"
#include "library/api_links.h"
#include "program_fixture.h"
#include "widgets/combo_gadget.h"
#include "widgets/gadgets.h"
#include "widgets/images.h"
#include "widgets/list_gadget.h"
#include "widgets/menus.h"
#include "widgets/status_bar.h"
#include "widgets/test_hooks.h"
#include "widgets/tree_gadget.h"
#include "widgets/windows.h"

#include <filesystem>

namespace codarium::app {
namespace {

namespace fs = std::filesystem;
namespace hooks = widgets::testing;
using namespace codarium::library;
using testsupport::readBytes;
using testsupport::treeSnapshot;
using testsupport::writeBytes;

constexpr std::string_view AdminSettings =
    "[Einstellungen]\r\nPBPfad = 0\r\nAdministratormodus = 1\r\n";

class AdminDialogs : public testsupport::ProgramTest {
protected:
    // A library of categories, each with its codes (empty sources and links).
    void writeLibrary(
        std::initializer_list<std::pair<std::string_view, std::initializer_list<std::string_view>>>
            categories) {
        std::string list;
        for (const auto& [name, titles] : categories) {
            list.append(name).append("\r\n");
            fs::create_directories(programDir.path() / "Codes" / name);
            fs::create_directories(programDir.path() / "Einstellungen" / name);
            std::string codes;
            for (const auto title : titles) {
                codes.append(title).append("\r\n");
                writeBytes(program("Codes/" + std::string(name) + "/" + std::string(title) + ".pb"),
                           title);
                writeBytes(program("Einstellungen/" + std::string(name) + "/" + std::string(title) +
                                   ".ini"),
                           "");
            }
            writeBytes(program("Einstellungen/" + std::string(name) + ".ini"), codes);
        }
        fs::create_directories(programDir.path() / "Einstellungen");
        writeBytes(program("Einstellungen/Kategorien.ini"), list);
    }

    void startAdmin() {
        writeStandardSettings(AdminSettings);
        ASSERT_TRUE(start());
        ASSERT_TRUE(administratorMode());
        runPendingTurns();
        hooks::clearRecordedDialogs();
    }

    bool command(int number) {
        const bool chosen = hooks::chooseMenuItem(MainMenu, number);
        runPendingTurns();
        return chosen;
    }
    bool click(int gadget) {
        const bool clicked = hooks::clickButton(gadget);
        runPendingTurns();
        return clicked;
    }
    void type(int gadget, std::string_view utf8) {
        ASSERT_TRUE(hooks::typeIntoField(gadget, ui(utf8))) << gadget;
        runPendingTurns();
    }
    std::string store() const {
        return treeSnapshot(programDir.path() / "Codes") +
               treeSnapshot(programDir.path() / "Einstellungen");
    }
    std::string file(std::string_view name) const { return readBytes(program(name)); }
    static std::string status() { return widgets::statusBarText(MainStatusBar, 0); }
    static std::vector<std::string> mainTree() {
        std::vector<std::string> items;
        for (int i = 0; i < widgets::treeItemCount(LibraryTreeGadget); ++i) {
            items.push_back(std::string(widgets::treeItemLevel(LibraryTreeGadget, i), ' ') +
                            widgets::treeItemText(LibraryTreeGadget, i));
        }
        return items;
    }
    // The one warning shown since the last check, or "" when there was none.
    static std::string warning() {
        const auto boxes = hooks::recordedMessageBoxes();
        hooks::clearRecordedDialogs();
        if (boxes.size() != 1 || boxes[0].icon != widgets::MessageIcon::Warning) {
            return {};
        }
        return boxes[0].text;
    }
};

struct Placement {
    int gadget;
    int x, y, width, height;
    const char* text; // UTF-8; nullptr: not checked
};

void expectPlacements(std::initializer_list<Placement> placements) {
    for (const auto& p : placements) {
        SCOPED_TRACE(p.gadget);
        ASSERT_TRUE(widgets::isGadget(p.gadget));
        EXPECT_EQ(widgets::gadgetX(p.gadget), p.x);
        EXPECT_EQ(widgets::gadgetY(p.gadget), p.y);
        if (p.width > 0) {
            EXPECT_EQ(widgets::gadgetWidth(p.gadget), p.width);
            EXPECT_EQ(widgets::gadgetHeight(p.gadget), p.height);
        }
        if (p.text != nullptr) {
            EXPECT_EQ(widgets::gadgetText(p.gadget), ui(p.text));
        }
    }
}

TEST_F(AdminDialogs, EachDialogOpensWithItsGadgetsAndDisablesItsParent) {
    writeLibrary({{"Dateien", {"Lesen"}}, {"Fenster", {}}});
    startAdmin();

    ASSERT_TRUE(command(command::CreateCategory));
    EXPECT_EQ(widgets::windowTitle(CreateCategoryWindow), "Kategorie erstellen");
    EXPECT_EQ(widgets::windowWidth(CreateCategoryWindow), 370);
    EXPECT_EQ(widgets::windowHeight(CreateCategoryWindow), 110);
    EXPECT_TRUE(widgets::windowDisabled(MainWindow));
    expectPlacements({{401, 10, 10, 350, 60, ""},
                      {402, 20, 30, 0, 0, nullptr},
                      {403, 60, 30, 80, 20, "Name:"},
                      {404, 150, 30, 200, 20, ""},
                      {405, 150, 80, 100, 20, "Erstellen"},
                      {406, 260, 80, 100, 20, "Abbrechen"}});
    EXPECT_EQ(widgets::gadgetWidth(402), 32);
    EXPECT_EQ(widgets::gadgetHeight(402), 32);
    EXPECT_TRUE(widgets::isImage(image::CreateCategory));
    EXPECT_TRUE(widgets::gadgetDisabled(405));
    ASSERT_TRUE(click(406));
    EXPECT_FALSE(widgets::isWindow(CreateCategoryWindow));
    EXPECT_FALSE(widgets::windowDisabled(MainWindow));

    ASSERT_TRUE(command(command::RemoveCategory));
    EXPECT_EQ(widgets::windowTitle(RemoveCategoryWindow), "Kategorie entfernen");
    expectPlacements({{501, 10, 10, 350, 60, ""},
                      {503, 60, 30, 80, 20, "Kategorie:"},
                      {504, 150, 30, 200, 20, "Dateien"},
                      {505, 150, 80, 100, 20, "Entfernen"},
                      {506, 260, 80, 100, 20, "Abbrechen"}});
    EXPECT_EQ(widgets::comboItemCount(504), 2);
    EXPECT_FALSE(widgets::gadgetDisabled(505));
    EXPECT_TRUE(widgets::windowDisabled(MainWindow));
    ASSERT_TRUE(click(506));

    ASSERT_TRUE(command(command::AddCode));
    EXPECT_EQ(widgets::windowTitle(AddCodeWindow), ui("Code hinzufügen"));
    EXPECT_EQ(widgets::windowWidth(AddCodeWindow), 470);
    EXPECT_EQ(widgets::windowHeight(AddCodeWindow), 380);
    expectPlacements({{601, 10, 10, 450, 330, ""},
                      {602, 20, 30, 0, 0, nullptr},
                      {603, 60, 30, 80, 20, "Titel:"},
                      {604, 60, 60, 80, 20, "Kategorie:"},
                      {605, 60, 90, 80, 20, "Code:"},
                      {606, 150, 30, 300, 20, ""},
                      {607, 150, 60, 300, 20, "Dateien"},
                      {608, 150, 90, 300, 100, ""},
                      {609, 60, 200, 80, 20, "MSDN-Links:"},
                      {610, 150, 200, 300, 100, nullptr},
                      {611, 240, 310, 100, 20, "Hinzufügen"},
                      {612, 350, 310, 100, 20, "Entfernen"},
                      {613, 250, 350, 100, 20, "Hinzufügen"},
                      {614, 360, 350, 100, 20, "Abbrechen"}});
    EXPECT_EQ(widgets::listColumnTitle(610, 0), "Befehl");
    EXPECT_EQ(widgets::listColumnTitle(610, 1), "Link");
    EXPECT_EQ(widgets::listColumnWidth(610, 0), 135);
    EXPECT_EQ(widgets::listColumnWidth(610, 1), 135);
    EXPECT_FALSE(widgets::gadgetDisabled(611));
    EXPECT_TRUE(widgets::gadgetDisabled(612));
    EXPECT_TRUE(widgets::gadgetDisabled(613));

    ASSERT_TRUE(click(611));
    EXPECT_EQ(widgets::windowTitle(AddLinkWindow), ui("Hinzufügen"));
    EXPECT_EQ(widgets::windowWidth(AddLinkWindow), 370);
    EXPECT_EQ(widgets::windowHeight(AddLinkWindow), 130);
    expectPlacements({{701, 10, 10, 350, 80, ""},
                      {702, 20, 30, 0, 0, nullptr},
                      {703, 60, 30, 80, 20, "Befehl:"},
                      {708, 60, 60, 80, 20, "Link:"},
                      {709, 150, 30, 200, 20, ""},
                      {710, 150, 60, 200, 20, ""},
                      {711, 150, 100, 100, 20, "Hinzufügen"},
                      {712, 260, 100, 100, 20, "Abbrechen"}});
    EXPECT_TRUE(widgets::gadgetDisabled(711));
    EXPECT_TRUE(widgets::windowDisabled(AddCodeWindow));
    ASSERT_TRUE(click(712));
    EXPECT_FALSE(widgets::isWindow(AddLinkWindow));
    EXPECT_FALSE(widgets::windowDisabled(AddCodeWindow));
    EXPECT_TRUE(widgets::windowDisabled(MainWindow));
    ASSERT_TRUE(click(614));
    EXPECT_FALSE(widgets::windowDisabled(MainWindow));

    ASSERT_TRUE(command(command::RemoveCode));
    EXPECT_EQ(widgets::windowTitle(RemoveCodeWindow), "Entfernen");
    EXPECT_EQ(widgets::windowWidth(RemoveCodeWindow), 480);
    EXPECT_EQ(widgets::windowHeight(RemoveCodeWindow), 280);
    expectPlacements({{801, 10, 10, 460, 230, ""},
                      {802, 20, 30, 0, 0, nullptr},
                      {803, 60, 30, 400, 200, nullptr},
                      {804, 260, 250, 100, 20, "Entfernen"},
                      {805, 370, 250, 100, 20, "Abbrechen"}});
    ASSERT_TRUE(click(805));
    EXPECT_FALSE(widgets::windowDisabled(MainWindow));
    EXPECT_TRUE(store().find(".tmp") == std::string::npos);
}

TEST_F(AdminDialogs, ACategoryIsCreatedSortedInWithALeadingBlankKept) {
    writeLibrary({{"Dateien", {"Lesen"}}, {"Zeichnen", {}}});
    startAdmin();
    ASSERT_TRUE(command(command::CreateCategory));
    type(404, "   ");
    EXPECT_TRUE(widgets::gadgetDisabled(405));
    widgets::setGadgetText(404, "");
    type(404, "Fenster");
    EXPECT_FALSE(widgets::gadgetDisabled(405));
    ASSERT_TRUE(click(405));
    EXPECT_FALSE(widgets::isWindow(CreateCategoryWindow));
    EXPECT_FALSE(widgets::windowDisabled(MainWindow));
    EXPECT_EQ(file("Einstellungen/Kategorien.ini"), "Dateien\r\nFenster\r\nZeichnen\r\n");
    EXPECT_TRUE(fs::is_directory(programDir.path() / "Codes/Fenster"));
    EXPECT_TRUE(fs::is_directory(programDir.path() / "Einstellungen/Fenster"));
    EXPECT_EQ(file("Einstellungen/Fenster.ini"), "");
    EXPECT_EQ(mainTree(), (std::vector<std::string>{"Dateien", " Lesen", "Fenster", "Zeichnen"}));
    EXPECT_EQ(status(), "3 Kategorien, 1 Codes");

    ASSERT_TRUE(command(command::CreateCategory));
    type(404, " Vorn");
    ASSERT_TRUE(click(405));
    EXPECT_EQ(file("Einstellungen/Kategorien.ini"), " Vorn\r\nDateien\r\nFenster\r\nZeichnen\r\n");
    EXPECT_TRUE(fs::is_directory(programDir.path() / "Codes/ Vorn"));
    EXPECT_TRUE(fs::exists(programDir.path() / "Einstellungen/ Vorn.ini"));
}

// Every refusal keeps the dialog open with the input, writes nothing and
// names the reason.
TEST_F(AdminDialogs, RefusedInputKeepsTheDialogAndTheStore) {
    writeLibrary({{"Dateien", {"Lesen"}}, {"Fenster", {"Anzeigen"}}});
    writeBytes(program("Einstellungen/Kategorien.ini"), "Dateien\r\nFenster\r\n\r\n");
    startAdmin();
    const struct {
        const char* name;
        const char* expected; // part of the warning, UTF-8
    } names[] = {
        {"a/b", "/ \\ : * ? \" < > |"},
        {"..", "„.“ und „..“"},
        {"kategorien", "für die Liste der Kategorien reserviert"},
        {"Neu.", "nicht mit einem Punkt oder einem Leerzeichen enden"},
        {"NUL.txt", "Gerätenamen"},
        {"Alt.ini", "„.ini“ oder „.tmp“"},
        {"FENSTER", "Die Kategorie „FENSTER“ gibt es bereits"},
    };
    for (const auto& c : names) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(command(command::CreateCategory));
        const std::string before = store();
        type(404, c.name);
        ASSERT_TRUE(click(405));
        EXPECT_NE(warning().find(ui(c.expected)), std::string::npos);
        EXPECT_TRUE(widgets::isWindow(CreateCategoryWindow));
        EXPECT_EQ(widgets::gadgetText(404), ui(c.name));
        EXPECT_EQ(store(), before);
        ASSERT_TRUE(click(406));
    }

    // The empty line of the hand-edited list is a category without a name.
    ASSERT_TRUE(command(command::RemoveCategory));
    widgets::setSelectedComboItem(504, 2);
    runPendingTurns();
    std::string before = store();
    ASSERT_TRUE(click(505));
    EXPECT_NE(warning().find(ui("Der Name ist leer.")), std::string::npos);
    EXPECT_TRUE(widgets::isWindow(RemoveCategoryWindow));
    EXPECT_EQ(store(), before);
    EXPECT_TRUE(fs::is_directory(programDir.path() / "Codes/Fenster"));
    ASSERT_TRUE(click(506));

    ASSERT_TRUE(command(command::AddCode));
    widgets::setSelectedComboItem(607, 1);
    type(606, "anzeigen");
    type(608, "neu");
    before = store();
    ASSERT_TRUE(click(613));
    EXPECT_NE(warning().find(ui("gibt es bereits einen Code „anzeigen“")), std::string::npos);
    EXPECT_TRUE(widgets::isWindow(AddCodeWindow));
    EXPECT_EQ(widgets::gadgetText(608), "neu");
    EXPECT_EQ(store(), before);
    widgets::setGadgetText(606, "");
    type(606, "a:b");
    ASSERT_TRUE(click(613));
    EXPECT_NE(warning().find(ui("Der Titel „a:b“")), std::string::npos);
    EXPECT_EQ(store(), before);
    EXPECT_EQ(file("Codes/Fenster/Anzeigen.pb"), "Anzeigen");
    ASSERT_TRUE(click(614));
}

TEST_F(AdminDialogs, AddCodeWithoutAnyCategoryOpensNothingAndSaysWhy) {
    writeLibrary({});
    startAdmin();
    ASSERT_TRUE(command(command::AddCode));
    EXPECT_FALSE(widgets::isWindow(AddCodeWindow));
    EXPECT_FALSE(widgets::windowDisabled(MainWindow));
    EXPECT_NE(warning().find(ui("erstellen Sie zuerst eine Kategorie")), std::string::npos);
}

TEST_F(AdminDialogs, ACodeWithTwoLinksIsWrittenExactlyAndShownInPlace) {
    writeLibrary({{"Dateien", {"Lesen"}}, {"Fenster", {"Anzeigen", "Zeichnen"}}});
    writeBytes(program("MSDNLinks.ini"),
               "ShowWindow\r\nhttps://example.invalid/alt\r\nShowWindow\r\n"
               "https://example.invalid/show\r\nCreateWindowEx\r\nhttps://example.invalid/cw\r\n");
    startAdmin();
    ASSERT_TRUE(command(command::AddCode));
    widgets::setSelectedComboItem(607, 1);
    type(606, "Erzeugen");
    EXPECT_TRUE(widgets::gadgetDisabled(613));
    type(608, "OpenWindow(0)\nEnd");
    EXPECT_FALSE(widgets::gadgetDisabled(613));

    // A known command proposes its link; a hand-edited link is replaced as
    // soon as the command field gets an event again.
    ASSERT_TRUE(click(611));
    type(709, "ShowWindow");
    EXPECT_EQ(widgets::gadgetText(710), "https://example.invalid/show");
    EXPECT_FALSE(widgets::gadgetDisabled(711));
    type(710, "/eigen");
    EXPECT_EQ(widgets::gadgetText(710), "https://example.invalid/show/eigen");
    ASSERT_TRUE(hooks::clickIntoGadget(709));
    runPendingTurns();
    EXPECT_EQ(widgets::gadgetText(710), "https://example.invalid/show");
    ASSERT_TRUE(click(711));
    EXPECT_FALSE(widgets::isWindow(AddLinkWindow));
    EXPECT_FALSE(widgets::windowDisabled(AddCodeWindow));

    // An unknown command clears the link; both fields are needed.
    ASSERT_TRUE(click(611));
    type(709, "Unbekannt");
    EXPECT_EQ(widgets::gadgetText(710), "");
    EXPECT_TRUE(widgets::gadgetDisabled(711));
    type(710, "https://example.invalid/u");
    ASSERT_TRUE(click(711));
    ASSERT_TRUE(click(611));
    type(709, "CreateWindowEx");
    ASSERT_TRUE(click(711));
    ASSERT_EQ(widgets::listRowCount(610), 3);

    widgets::setSelectedListRow(610, 1);
    runPendingTurns();
    EXPECT_FALSE(widgets::gadgetDisabled(612));
    ASSERT_TRUE(click(612));
    EXPECT_TRUE(widgets::gadgetDisabled(612));
    EXPECT_EQ(widgets::listRowCount(610), 2);

    ASSERT_TRUE(click(613));
    EXPECT_FALSE(widgets::isWindow(AddCodeWindow));
    EXPECT_FALSE(widgets::windowDisabled(MainWindow));
    EXPECT_EQ(file("Codes/Fenster/Erzeugen.pb"), "OpenWindow(0)\r\nEnd");
    EXPECT_EQ(file("Einstellungen/Fenster/Erzeugen.ini"),
              "ShowWindow\r\nhttps://example.invalid/show\r\nCreateWindowEx\r\n"
              "https://example.invalid/cw\r\n");
    EXPECT_EQ(file("Einstellungen/Fenster.ini"), "Anzeigen\r\nErzeugen\r\nZeichnen\r\n");
    EXPECT_EQ(mainTree(), (std::vector<std::string>{"Dateien", " Lesen", "Fenster", " Anzeigen",
                                                    " Erzeugen", " Zeichnen"}));
    EXPECT_EQ(status(), "2 Kategorien, 4 Codes");
}

TEST_F(AdminDialogs, TheRemoveCodeTreeFollowsTheCurrentItemAndRemovesOneCode) {
    writeLibrary({{"Dateien", {"Lesen"}}, {"Fenster", {"Anzeigen", "Memory", "Zeichnen"}}});
    startAdmin();
    ASSERT_TRUE(command(command::RemoveCode));
    EXPECT_EQ(widgets::treeItemCount(803), 6);
    EXPECT_TRUE(widgets::treeItemExpanded(803, 0));
    EXPECT_TRUE(widgets::treeItemExpanded(803, 2));
    EXPECT_EQ(widgets::currentTreeItem(803), 0);
    EXPECT_TRUE(widgets::gadgetDisabled(804));
    EXPECT_EQ(hooks::windowObject(RemoveCodeWindow)->focusWidget(), hooks::gadgetObject(803));

    const struct {
        int item;
        bool enabled;
    } steps[] = {{4, true}, {2, false}, {1, true}, {0, false}, {4, true}};
    for (const auto& step : steps) {
        ASSERT_TRUE(hooks::clickTreeItem(803, step.item));
        runPendingTurns();
        EXPECT_EQ(widgets::gadgetDisabled(804), !step.enabled) << step.item;
    }
    ASSERT_TRUE(click(804));
    EXPECT_FALSE(widgets::isWindow(RemoveCodeWindow));
    EXPECT_FALSE(widgets::windowDisabled(MainWindow));
    EXPECT_EQ(file("Einstellungen/Fenster.ini"), "Anzeigen\r\nZeichnen\r\n");
    EXPECT_FALSE(fs::exists(programDir.path() / "Codes/Fenster/Memory.pb"));
    EXPECT_FALSE(fs::exists(programDir.path() / "Einstellungen/Fenster/Memory.ini"));
    EXPECT_TRUE(fs::is_directory(programDir.path() / "Codes/Fenster"));
    EXPECT_EQ(status(), "2 Kategorien, 3 Codes");
}

TEST_F(AdminDialogs, RemovingACategoryTakesItsFoldersButNotWhatALinkPointsTo) {
    writeLibrary({{"Dateien", {"Lesen"}}, {"Fenster", {"Anzeigen"}}});
    writeBytes(program("wichtig.txt"), "bleibt");
    fs::create_symlink(programDir.path() / "wichtig.txt",
                       programDir.path() / "Codes/Fenster/Verweis.pb");
    fs::permissions(programDir.path() / "Codes/Fenster/Anzeigen.pb", fs::perms::owner_read);
    startAdmin();
    ASSERT_TRUE(command(command::RemoveCategory));
    widgets::setSelectedComboItem(504, 1);
    ASSERT_TRUE(click(505));
    EXPECT_FALSE(widgets::isWindow(RemoveCategoryWindow));
    EXPECT_FALSE(fs::exists(programDir.path() / "Codes/Fenster"));
    EXPECT_FALSE(fs::exists(programDir.path() / "Einstellungen/Fenster"));
    EXPECT_FALSE(fs::exists(programDir.path() / "Einstellungen/Fenster.ini"));
    EXPECT_EQ(file("Einstellungen/Kategorien.ini"), "Dateien\r\n");
    EXPECT_EQ(file("wichtig.txt"), "bleibt");
    EXPECT_EQ(status(), "1 Kategorien, 1 Codes");
}

TEST_F(AdminDialogs, RemoveAllAsksFirstAndNoChangesNothing) {
    writeLibrary({{"Dateien", {"Lesen"}}, {"Fenster", {"Anzeigen"}}});
    startAdmin();
    const std::string before = store();
    hooks::queueMessageBoxAnswer(widgets::MessageResult::No);
    ASSERT_TRUE(command(command::RemoveAll));
    const auto boxes = hooks::recordedMessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, "Alle Kategorien und Codes entfernen");
    EXPECT_EQ(boxes[0].text, ui("Möchten Sie wirklich alle Kategorien und Codes löschen?"));
    EXPECT_EQ(boxes[0].icon, widgets::MessageIcon::Question);
    EXPECT_EQ(boxes[0].buttons, widgets::MessageButtons::YesNo);
    EXPECT_EQ(store(), before);
    EXPECT_EQ(status(), "2 Kategorien, 2 Codes");

    hooks::queueMessageBoxAnswer(widgets::MessageResult::Yes);
    ASSERT_TRUE(command(command::RemoveAll));
    EXPECT_EQ(status(), "0 Kategorien, 0 Codes");
    EXPECT_TRUE(fs::is_empty(programDir.path() / "Codes"));
    EXPECT_EQ(file("Einstellungen/Kategorien.ini"), "");
    EXPECT_EQ(std::distance(fs::directory_iterator(programDir.path() / "Einstellungen"),
                            fs::directory_iterator()),
              1);
    EXPECT_TRUE(fs::exists(standardFile()));
    EXPECT_TRUE(widgets::menuItemDisabled(MainMenu, command::RemoveAll));
}

TEST_F(AdminDialogs, TheCatalogueIsReadInEveryModeAndAtOnceInAdministratorMode) {
    writeBytes(program("MSDNLinks.ini"), "SendMessage\r\nX\r\nSendMessage\r\nY\r\n");
    writeStandardSettings("[Einstellungen]\r\nPBPfad = 0\r\nAdministratormodus = 0\r\n");
    ASSERT_TRUE(start());
    // The code view's calls use it outside administrator mode as well.
    runPendingTurns();
    EXPECT_EQ(library::knownLink(library::apiLinks(), "SendMessage"), "Y");
    releaseAll();
    resetAppState();
    startAdmin();
    EXPECT_EQ(library::knownLink(library::apiLinkMap(), "SendMessage"), "Y");
}

} // namespace
} // namespace codarium::app
