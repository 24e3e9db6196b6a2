// What the administrator's dialogs do with input the store cannot take and
// with a creation that fails halfway: a warning or an error box, and the
// store byte for byte as it was before.
#include "app/event_loop.h"
#include "app/main_window_numbers.h"
#include "app/startup.h"
#include "app/ui_text.h"
#include "library/admin_window_numbers.h"
#include "program_fixture.h"
#include "widgets/combo_gadget.h"
#include "widgets/gadgets.h"
#include "widgets/list_gadget.h"
#include "widgets/menus.h"
#include "widgets/test_hooks.h"
#include "widgets/windows.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <filesystem>

namespace codarium::app {
namespace {

namespace fs = std::filesystem;
namespace hooks = widgets::testing;
using namespace codarium::library;
using testsupport::readBytes;
using testsupport::treeSnapshot;
using testsupport::writeBytes;

class AdminSafety : public testsupport::ProgramTest {
protected:
    // The categories Dateien (code Lesen) and Fenster (no codes).
    void SetUp() override {
        ProgramTest::SetUp();
        for (const char* folder :
             {"Codes/Dateien", "Codes/Fenster", "Einstellungen/Dateien", "Einstellungen/Fenster"}) {
            fs::create_directories(programDir.path() / folder);
        }
        writeBytes(program("Codes/Dateien/Lesen.pb"), "ReadFile_()");
        writeBytes(program("Einstellungen/Dateien/Lesen.ini"), "");
        writeBytes(program("Einstellungen/Dateien.ini"), "Lesen\r\n");
        writeBytes(program("Einstellungen/Fenster.ini"), "");
        writeBytes(program("Einstellungen/Kategorien.ini"), "Dateien\r\nFenster\r\n");
        writeStandardSettings("[Einstellungen]\r\nPBPfad = 0\r\nAdministratormodus = 1\r\n");
        ASSERT_TRUE(start());
        runPendingTurns();
        hooks::clearRecordedDialogs();
    }

    void command(int number) {
        ASSERT_TRUE(hooks::chooseMenuItem(MainMenu, number));
        runPendingTurns();
    }
    void click(int gadget) {
        ASSERT_TRUE(hooks::clickButton(gadget)) << gadget;
        runPendingTurns();
    }
    // Types UTF-8 text as the keyboard would deliver it, characters outside
    // the program's code page included.
    void type(int gadget, std::string_view utf8) {
        auto* field = qobject_cast<QLineEdit*>(hooks::gadgetObject(gadget));
        ASSERT_NE(field, nullptr) << gadget;
        field->clear();
        field->insert(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
        runPendingTurns();
    }
    void typeSource(std::string_view text) {
        ASSERT_TRUE(hooks::typeIntoField(CodeSourceEditor, text));
        runPendingTurns();
    }
    std::string store() const {
        return treeSnapshot(programDir.path() / "Codes") +
               treeSnapshot(programDir.path() / "Einstellungen");
    }
    // The boxes shown since the last look, as "icon:text".
    static std::vector<std::string> boxes() {
        std::vector<std::string> shown;
        for (const auto& box : hooks::recordedMessageBoxes()) {
            shown.push_back(std::to_string(static_cast<int>(box.icon)) + ":" + box.text);
        }
        hooks::clearRecordedDialogs();
        return shown;
    }
    static std::string warning(std::string_view utf8) {
        return std::to_string(static_cast<int>(widgets::MessageIcon::Warning)) + ":" + ui(utf8);
    }
};

// A character the library's code page lacks, in a name, a title or a code,
// is named (by its place and its number, since a program text cannot show
// it) and nothing is written; the dialog stays open with what was typed. What the code page has is
// stored as its own bytes.
TEST_F(AdminSafety, ANameWithACharacterTheLibraryCannotStoreIsRefused) {
    const char* const Keep = " kann in der Bibliothek nicht gespeichert werden.\r"
                             "Die Bibliothek speichert nur die Zeichen des westeuropäischen "
                             "Zeichensatzes Windows-1252. Bitte ersetzen Sie das Zeichen durch "
                             "ein anderes.";
    const struct {
        const char* typed;
        const char* where; // the warning's start; nullptr: stored
        const char* stored;
    } names[] = {
        {"Łukasz", "Das erste Zeichen des Namens (Unicode U+0141)", nullptr},
        {"Dateien Ł", "Das Zeichen nach „Dateien “ im Namen (Unicode U+0141)", nullptr},
        {"Программы", "Das erste Zeichen des Namens (Unicode U+041F)", nullptr},
        {"Mein 日本語", "Das Zeichen nach „Mein “ im Namen (Unicode U+65E5)", nullptr},
        {"Spaß 😀", "Das Zeichen nach „Spaß “ im Namen (Unicode U+1F600)", nullptr},
        {"Ein sehr langer Name mit ğ",
         "Das Zeichen nach „…ehr langer Name mit “ im Namen (Unicode U+011F)", nullptr},
        {"Äpfel „€“ ß", nullptr, "\xC4pfel \x84\x80\x93 \xDF"},
        {"Œuvre", nullptr, "\x8Cuvre"},
    };
    for (const auto& n : names) {
        SCOPED_TRACE(n.typed);
        command(command::CreateCategory);
        const std::string before = store();
        const std::string list = readBytes(program("Einstellungen/Kategorien.ini"));
        type(CategoryNameField, n.typed);
        click(CreateCategoryButton);
        if (n.where != nullptr) {
            EXPECT_EQ(boxes(), std::vector<std::string>{warning(std::string(n.where) + Keep)});
            EXPECT_TRUE(widgets::isWindow(CreateCategoryWindow));
            auto* field = qobject_cast<QLineEdit*>(hooks::gadgetObject(CategoryNameField));
            EXPECT_EQ(field->text(), QString::fromUtf8(n.typed));
            EXPECT_EQ(store(), before);
            click(CreateCategoryCancel);
            continue;
        }
        EXPECT_EQ(boxes(), std::vector<std::string>{});
        EXPECT_FALSE(widgets::isWindow(CreateCategoryWindow));
        EXPECT_TRUE(fs::is_directory(programDir.path() / "Codes" / n.typed));
        EXPECT_NE(readBytes(program("Einstellungen/Kategorien.ini")).find(n.stored),
                  std::string::npos);
        EXPECT_NE(readBytes(program("Einstellungen/Kategorien.ini")), list);
    }

    // A code's title is held to the same rule, before any of its files.
    command(command::AddCode);
    const std::string before = store();
    type(CodeTitleField, "Fenster schließen → sofort");
    typeSource("CloseWindow(0)");
    click(AddCodeButton);
    EXPECT_EQ(boxes(),
              std::vector<std::string>{warning(
                  std::string("Das Zeichen nach „Fenster schließen “ im Titel (Unicode U+2192)") +
                  Keep)});
    EXPECT_TRUE(widgets::isWindow(AddCodeWindow));
    EXPECT_EQ(store(), before);
    // So is its code, whose lines the warning counts.
    type(CodeTitleField, "Fenster schließen – sofort");
    auto* editor = qobject_cast<QPlainTextEdit*>(hooks::gadgetObject(CodeSourceEditor));
    ASSERT_NE(editor, nullptr);
    editor->setPlainText(QString::fromUtf8("; Größe\n; → schließt\nCloseWindow(0)"));
    runPendingTurns();
    click(AddCodeButton);
    EXPECT_EQ(boxes(), std::vector<std::string>{warning(
                           std::string("Das Zeichen in Zeile 2, Spalte 3 des Codes (Unicode "
                                       "U+2192)") +
                           Keep)});
    EXPECT_TRUE(widgets::isWindow(AddCodeWindow));
    EXPECT_EQ(store(), before);
    editor->setPlainText(QString::fromUtf8("; Größe\n; – schließt\nCloseWindow(0)"));
    runPendingTurns();
    click(AddCodeButton);
    EXPECT_EQ(boxes(), std::vector<std::string>{});
    EXPECT_EQ(readBytes(program("Codes/Dateien/Fenster schließen – sofort.pb")),
              "; Gr\xF6\xDF"
              "e\r\n; \x96 schlie\xDF"
              "t\r\nCloseWindow(0)");
    EXPECT_EQ(readBytes(program("Einstellungen/Dateien.ini")), "Fenster schlie\xDF"
                                                               "en \x96 sofort\r\nLesen\r\n");
}

// A link's command and address are held to the rule too: the link dialog
// stays open with what was typed and no row is added.
TEST_F(AdminSafety, ALinkWithACharacterTheLibraryCannotStoreIsRefused) {
    const char* const Keep = " kann in der Bibliothek nicht gespeichert werden.\r"
                             "Die Bibliothek speichert nur die Zeichen des westeuropäischen "
                             "Zeichensatzes Windows-1252. Bitte ersetzen Sie das Zeichen durch "
                             "ein anderes.";
    command(command::AddCode);
    click(AddLinkButton);
    ASSERT_TRUE(widgets::isWindow(AddLinkWindow));
    const struct {
        const char *command, *address, *where;
    } links[] = {
        {"Łącze", "https://example.org/a", "Das erste Zeichen des Befehls (Unicode U+0141)"},
        {"GetDC", "https://example.org/→",
         "Das Zeichen nach „https://example.org/“ in der Adresse (Unicode U+2192)"},
    };
    for (const auto& l : links) {
        SCOPED_TRACE(l.command);
        type(LinkCommandField, l.command);
        type(LinkAddressField, l.address);
        click(AddLinkConfirm);
        EXPECT_EQ(boxes(), std::vector<std::string>{warning(std::string(l.where) + Keep)});
        EXPECT_TRUE(widgets::isWindow(AddLinkWindow));
        EXPECT_EQ(widgets::listRowCount(CodeLinkList), 0);
    }
    type(LinkCommandField, "GetDC");
    type(LinkAddressField, "https://example.org/getdc");
    click(AddLinkConfirm);
    EXPECT_EQ(boxes(), std::vector<std::string>{});
    EXPECT_FALSE(widgets::isWindow(AddLinkWindow));
    EXPECT_EQ(widgets::listRowCount(CodeLinkList), 1);
}

// A name that fits a folder but not every file made under it is refused
// with a warning before the first write (nothing is made and taken back).
TEST_F(AdminSafety, ANameTooLongForItsFilesIsRefusedBeforeAnythingIsWritten) {
    const std::string tooLong = "Der Name ist zu lang für die Dateien, die unter ihm angelegt "
                                "werden: Er darf höchstens 228 Zeichen lang sein, wobei Umlaute "
                                "und andere Sonderzeichen doppelt, manche dreifach zählen.";
    const std::string before = store();
    command(command::CreateCategory);
    type(CategoryNameField, std::string(252, 'M'));
    click(CreateCategoryButton);
    EXPECT_EQ(boxes(), std::vector<std::string>{warning(
                           "Der Name „" + std::string(40, 'M') +
                           "…“ kann nicht für eine Kategorie verwendet werden.\r" + tooLong)});
    EXPECT_TRUE(widgets::isWindow(CreateCategoryWindow));
    EXPECT_EQ(store(), before);
    click(CreateCategoryCancel);

    command(command::AddCode);
    type(CodeTitleField, std::string(200, 'T') + std::string(15, 'M') + "ÄÖÜÄÖÜÄ");
    typeSource("x");
    click(AddCodeButton);
    EXPECT_EQ(boxes(),
              std::vector<std::string>{warning("Der Titel „" + std::string(40, 'T') +
                                               "…“ kann nicht verwendet werden.\r" + tooLong)});
    EXPECT_EQ(store(), before);
    click(AddCodeCancel);
}

// A creation that fails at a later step shows the error and takes back what
// it had made; a folder that was there before stays as it was.
TEST_F(AdminSafety, ACreationThatFailsHalfwayLeavesTheStoreAsItWas) {
    fs::create_directories(programDir.path() / "Codes/Netz");
    writeBytes(program("Codes/Netz/alt.pb"), "bleibt");
    fs::create_directories(programDir.path() / "Einstellungen/Netz.ini");
    const std::string before = store();
    command(command::CreateCategory);
    type(CategoryNameField, "Netz");
    click(CreateCategoryButton);
    EXPECT_EQ(boxes(), (std::vector<std::string>{
                           std::to_string(static_cast<int>(widgets::MessageIcon::Error)) + ":" +
                           ui("Die Kategorie konnte nicht vollständig erstellt werden.")}));
    EXPECT_EQ(store(), before);
    EXPECT_EQ(readBytes(program("Codes/Netz/alt.pb")), "bleibt");
    click(CreateCategoryCancel);

    // The code list of Fenster cannot be read: the source and link files
    // already written go again.
    fs::remove(programDir.path() / "Einstellungen/Fenster.ini");
    fs::create_directories(programDir.path() / "Einstellungen/Fenster.ini");
    const std::string beforeCode = store();
    command(command::AddCode);
    widgets::setSelectedComboItem(CodeCategoryChoice, 1);
    runPendingTurns();
    type(CodeTitleField, "Zeigen");
    typeSource("ShowWindow_()");
    click(AddCodeButton);
    EXPECT_EQ(boxes(), (std::vector<std::string>{
                           std::to_string(static_cast<int>(widgets::MessageIcon::Error)) + ":" +
                           ui("Der Code konnte nicht vollständig gespeichert werden.")}));
    EXPECT_EQ(store(), beforeCode);
}

} // namespace
} // namespace codarium::app
