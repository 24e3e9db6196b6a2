// Window 1, the editor path commands and the two commands that hand codes to
// the editor, on the real start-up with scripted dialogs.
#include "app/app_state.h"
#include "app/editor_path_window_numbers.h"
#include "app/main_window_numbers.h"
#include "app/shutdown.h"
#include "app/startup.h"
#include "app/ui_text.h"
#include "program_fixture.h"
#include "widgets/gadgets.h"
#include "widgets/menus.h"
#include "widgets/path_field.h"
#include "widgets/test_hooks.h"
#include "widgets/toolbar.h"
#include "widgets/tree_gadget.h"
#include "widgets/windows.h"

#include <QImage>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <thread>

namespace codarium::app {
namespace {

namespace fs = std::filesystem;
namespace hooks = widgets::testing;
using testsupport::readBytes;
using testsupport::writeBytes;

// The machine's own associations, installation and PATH stay out: each test
// says where an editor is to be found.
class EditorPathTest : public testsupport::ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        keepEditorPathDialog = true;
        for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_CONFIG_DIRS", "XDG_DATA_HOME",
                                 "XDG_DATA_DIRS", "PUREBASIC_HOME", "PATH"}) {
            const char* value = std::getenv(name);
            saved_[name] = value ? std::optional<std::string>(value) : std::nullopt;
        }
        const fs::path root = home.path();
        ::setenv("HOME", root.c_str(), 1);
        ::setenv("XDG_CONFIG_HOME", (root / "config").c_str(), 1);
        ::setenv("XDG_CONFIG_DIRS", (root / "sysconfig").c_str(), 1);
        ::setenv("XDG_DATA_HOME", (root / "data").c_str(), 1);
        ::setenv("XDG_DATA_DIRS", (root / "sysdata").c_str(), 1);
        ::unsetenv("PUREBASIC_HOME");
        ::setenv("PATH", "/usr/bin:/bin", 1);
    }
    void TearDown() override {
        ProgramTest::TearDown();
        for (const auto& [name, value] : saved_) {
            if (value) {
                ::setenv(name.c_str(), value->c_str(), 1);
            } else {
                ::unsetenv(name.c_str());
            }
        }
    }

    // An executable in the scratch home; returns its path.
    std::string installEditor(const std::string& relative, std::string_view body = "") {
        const fs::path path = home.path() / relative;
        fs::create_directories(path.parent_path());
        writeBytes(path.string(), "#!/bin/sh\n" + std::string(body));
        fs::permissions(path, fs::perms::owner_all);
        return path.string();
    }

    static bool commandEnabled(int command) {
        const bool menu = !widgets::menuItemDisabled(MainMenu, command);
        EXPECT_EQ(menu, !widgets::toolBarButtonDisabled(MainToolBar, command)) << command;
        return menu;
    }

    // Selects the first code of the one-code library.
    void selectTheCode() {
        ASSERT_TRUE(hooks::clickTreeItem(LibraryTreeGadget, 1));
        runPendingTurns();
    }

    testsupport::ScratchFolder home;

private:
    std::map<std::string, std::optional<std::string>> saved_;
};

TEST_F(EditorPathTest, FirstStartProposesTheInstalledEditorAndSavesIt) {
    const std::string editor = installEditor("pb/compilers/purebasic");
    ::setenv("PUREBASIC_HOME", (home.path() / "pb").c_str(), 1);
    ASSERT_TRUE(start());

    ASSERT_TRUE(widgets::isWindow(EditorPathWindow));
    EXPECT_EQ(widgets::windowTitle(EditorPathWindow), "Pfadeinstellung");
    EXPECT_EQ(widgets::windowWidth(EditorPathWindow), 500);
    EXPECT_EQ(widgets::windowHeight(EditorPathWindow), 250);
    EXPECT_TRUE(widgets::windowDisabled(MainWindow));
    const struct {
        int gadget, x, y, width, height;
        const char* text; // UTF-8
    } gadgets[] = {
        {102, 10, 60, 480, 20, "Die Anwendung wurde zum ersten Mal ausgeführt."},
        {103, 10, 80, 480, 30,
         "Um einen ausgewählten Code in dieser Anwendung mit dem Editor ''PureBasic'' öffnen zu "
         "können, muss zuerst eine Einstellung vorgenommen werden."},
        {104, 10, 110, 480, 20,
         "Überprüfen Sie bitte, ob der angegebene Pfad zum Editor korrekt ist."},
        {105, 10, 130, 480, 20,
         "Falls der Pfad nicht korrekt ist, wählen Sie das Editor-Programm manuell aus."},
        {106, 10, 150, 480, 20, "Sie können aber auch diese Konfiguration abbrechen."},
        {107, 10, 170, 480, 20,
         "Beim Abbrechen dieser Konfiguration wird jedoch die Funktion ''Code in PureBasic "
         "öffnen'' deaktiviert."},
        {108, 10, 190, 100, 20, "Pfad:"},
        {109, 100, 190, 280, 20, editor.c_str()},
        {110, 390, 190, 100, 20, "Auswählen"},
        {111, 280, 220, 100, 20, "Speichern"},
        {112, 390, 220, 100, 20, "Abbrechen"},
    };
    for (const auto& g : gadgets) {
        EXPECT_EQ(widgets::gadgetWindow(g.gadget), EditorPathWindow) << g.gadget;
        EXPECT_EQ(widgets::gadgetText(g.gadget), ui(g.text)) << g.gadget;
        EXPECT_EQ(widgets::gadgetX(g.gadget), g.x) << g.gadget;
        EXPECT_EQ(widgets::gadgetY(g.gadget), g.y) << g.gadget;
        EXPECT_EQ(widgets::gadgetWidth(g.gadget), g.width) << g.gadget;
        EXPECT_EQ(widgets::gadgetHeight(g.gadget), g.height) << g.gadget;
    }
    EXPECT_FALSE(widgets::gadgetDisabled(SaveEditorPathButton));

    // The banner keeps its size and gains white text in its upper part only.
    const QImage banner = hooks::imageObject(image::Banner);
    const QImage caption = hooks::imageObject(BannerCaptionImage);
    ASSERT_FALSE(caption.isNull());
    EXPECT_EQ(caption.size(), banner.size());
    EXPECT_EQ(widgets::gadgetWidth(EditorPathBanner), banner.width());
    int white = 0;
    for (int y = 0; y < caption.height(); ++y) {
        for (int x = 0; x < caption.width(); ++x) {
            if (caption.pixel(x, y) != banner.pixel(x, y)) {
                EXPECT_GE(y, 15) << x;
                white += caption.pixel(x, y) == qRgb(255, 255, 255) ? 1 : 0;
            }
        }
    }
    EXPECT_GT(white, 50);

    ASSERT_TRUE(hooks::clickButton(SaveEditorPathButton));
    runPendingTurns();
    EXPECT_EQ(appSettings().editorPath, editor);
    EXPECT_FALSE(widgets::isWindow(EditorPathWindow));
    EXPECT_FALSE(widgets::windowDisabled(MainWindow));
}

TEST_F(EditorPathTest, WithoutAProposalOnlyAnExistingChosenFileEnablesSaving) {
    ASSERT_TRUE(start());
    ASSERT_TRUE(widgets::isWindow(EditorPathWindow));
    EXPECT_EQ(widgets::gadgetText(EditorPathField), "");
    EXPECT_TRUE(widgets::gadgetDisabled(SaveEditorPathButton));
    // The window manager's close request does not end the dialog or the run.
    hooks::requestWindowClose(EditorPathWindow);
    EXPECT_FALSE(runPendingTurns());
    EXPECT_TRUE(widgets::isWindow(EditorPathWindow));

    hooks::queueFileDialogAnswer((home.path() / "gone/purebasic").string());
    ASSERT_TRUE(hooks::clickButton(ChooseEditorButton));
    runPendingTurns();
    const auto dialogs = hooks::recordedFileDialogs();
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].title, ui("PureBasic-Editor auswählen"));
    EXPECT_EQ(dialogs[0].proposedFile, "purebasic");
    EXPECT_EQ(dialogs[0].filter, "Executable-Dateien|purebasic;purebasic_gtk2");
    auto boxes = hooks::recordedMessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, "Fehler");
    EXPECT_EQ(boxes[0].text, ui("Die von Ihnen angegebene Datei konnte nicht gefunden werden."));
    EXPECT_EQ(boxes[0].icon, widgets::MessageIcon::Error);
    EXPECT_EQ(widgets::gadgetText(EditorPathField), "");
    EXPECT_TRUE(widgets::gadgetDisabled(SaveEditorPathButton));

    const std::string editor = installEditor("bin/purebasic_gtk2");
    hooks::queueFileDialogAnswer(editor);
    ASSERT_TRUE(hooks::clickButton(ChooseEditorButton));
    runPendingTurns();
    EXPECT_EQ(widgets::gadgetText(EditorPathField), editor);
    EXPECT_FALSE(widgets::gadgetDisabled(SaveEditorPathButton));
    EXPECT_EQ(appSettings().editorPath, "") << "stored only by Speichern";
}

TEST_F(EditorPathTest, CancelStoresZeroThenCommand15ChoosesAnEditorThatOpensTheCode) {
    writeOneCodeLibrary();
    ASSERT_TRUE(start());
    ASSERT_TRUE(hooks::clickButton(CancelEditorPathButton));
    runPendingTurns();
    EXPECT_EQ(appSettings().editorPath, "0");
    EXPECT_FALSE(widgets::isWindow(EditorPathWindow));
    selectTheCode();
    EXPECT_FALSE(commandEnabled(command::OpenInEditor));
    EXPECT_TRUE(commandEnabled(command::LinkMenu));

    // Saved and started again: the dialog stays away.
    ASSERT_TRUE(saveSettingsAtExit());
    releaseAll();
    resetAppState();
    ASSERT_TRUE(start());
    EXPECT_FALSE(widgets::isWindow(EditorPathWindow));
    EXPECT_EQ(appSettings().editorPath, "0");
    selectTheCode();

    // A cancelled chooser changes nothing and re-applies the rule.
    ASSERT_TRUE(hooks::chooseMenuItem(MainMenu, command::ChooseEditor));
    runPendingTurns();
    EXPECT_EQ(appSettings().editorPath, "0");
    EXPECT_FALSE(commandEnabled(command::OpenInEditor));

    // A stand-in editor records its working directory and arguments.
    const fs::path record = home.path() / "record";
    const std::string editor = installEditor(
        "PB Editor/purebasic", "{ pwd -P; for a in \"$@\"; do printf '%s\\n' \"$a\"; done; } > '" +
                                   record.string() + ".part'\nmv '" + record.string() + ".part' '" +
                                   record.string() + "'\n");
    hooks::queueFileDialogAnswer(editor);
    ASSERT_TRUE(hooks::chooseMenuItem(MainMenu, command::ChooseEditor));
    runPendingTurns();
    EXPECT_EQ(appSettings().editorPath, editor);
    ASSERT_TRUE(commandEnabled(command::OpenInEditor));

    ASSERT_TRUE(hooks::chooseMenuItem(MainMenu, command::OpenInEditor));
    runPendingTurns();
    for (int i = 0; i < 200 && !fs::exists(record); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    const std::string dataDir = fs::canonical(programDir.path()).string();
    EXPECT_EQ(readBytes(record.string()), dataDir + "\n" + dataDir + "/Codes/Dialoge/Datei.pb\n");
    EXPECT_TRUE(hooks::recordedMessageBoxes().empty()) << "nothing is shown";
}

TEST_F(EditorPathTest, TemplateExportAsksFirstAndReportsHowItWent) {
    writeStandardSettings("[Einstellungen]\r\nPBPfad = 0\r\n");
    writeOneCodeLibrary();
    ASSERT_TRUE(start());
    const std::string title = "Ajouter un boc en Purebasic      ";
    const fs::path templates = home.path() / ".purebasic/templates.prefs";
    const auto lastBox = [] {
        const auto boxes = hooks::recordedMessageBoxes();
        hooks::clearRecordedDialogs();
        return boxes.empty() ? hooks::RecordedMessageBox{} : boxes.back();
    };

    ASSERT_TRUE(hooks::chooseMenuItem(MainMenu, command::ExportTemplates));
    runPendingTurns();
    auto box = lastBox();
    EXPECT_EQ(box.title, "Fehler");
    EXPECT_EQ(box.text, ui("Die Datei ''Templates.prefs'' konnte im Anwendungsdaten-Verzeichnis "
                           "nicht gefunden werden."));

    fs::create_directories(templates.parent_path());
    const std::string old = "TEMPLATES:1.0\n0\nDirectory: Alt\nCloseDirectory\n";
    writeBytes(templates.string(), old);
    hooks::queueMessageBoxAnswer(widgets::MessageResult::No);
    ASSERT_TRUE(hooks::clickToolBarButton(MainToolBar, command::ExportTemplates));
    runPendingTurns();
    box = lastBox();
    EXPECT_EQ(box.title, title);
    EXPECT_EQ(box.text, ui("Möchten Sie alle Codes in PureBasic hinzufügen?\rBitte beenden Sie die "
                           "Anwendung ''PureBasic'', bevor Sie mit diesem Vorgang fortsetzen."));
    EXPECT_EQ(box.icon, widgets::MessageIcon::Question);
    EXPECT_EQ(box.buttons, widgets::MessageButtons::YesNo);
    EXPECT_EQ(readBytes(templates.string()), old);

    hooks::queueMessageBoxAnswer(widgets::MessageResult::Yes);
    ASSERT_TRUE(hooks::chooseMenuItem(MainMenu, command::ExportTemplates));
    runPendingTurns();
    box = lastBox();
    EXPECT_EQ(box.title, title);
    EXPECT_EQ(box.text, ui("Alle Codes wurden in Purebasic erfolgreich hinzugefügt."));
    EXPECT_EQ(box.icon, widgets::MessageIcon::Information);
    EXPECT_EQ(readBytes(templates.string()),
              "TEMPLATES:1.0\r\n0\r\nDirectory: Codarium\r\nDirectory: Dialoge\r\n"
              "Template: Datei\r\n  Comment: Datei\r\n  Code: MessageRequester(\"a\", \"b\")\r\n"
              "CloseDirectory\r\nCloseDirectory\r\nDirectory: Alt\nCloseDirectory\n");

    // Unreadable: an error box instead of the success message.
    fs::remove(templates);
    fs::create_directories(templates / "x");
    hooks::queueMessageBoxAnswer(widgets::MessageResult::Yes);
    ASSERT_TRUE(hooks::chooseMenuItem(MainMenu, command::ExportTemplates));
    runPendingTurns();
    box = lastBox();
    EXPECT_EQ(box.title, "Fehler");
    EXPECT_EQ(box.text, ui("Die Datei ''Templates.prefs'' konnte nicht gelesen werden.\r"
                           "Es wurden keine Codes hinzugefügt."));
    EXPECT_TRUE(fs::is_directory(templates / "x"));

    // Read-only, whoever runs the test: kept byte for byte with its mode.
    fs::remove_all(templates);
    writeBytes(templates.string(), old);
    fs::permissions(templates,
                    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    hooks::queueMessageBoxAnswer(widgets::MessageResult::Yes);
    ASSERT_TRUE(hooks::chooseMenuItem(MainMenu, command::ExportTemplates));
    runPendingTurns();
    box = lastBox();
    EXPECT_EQ(box.title, "Fehler");
    EXPECT_EQ(box.text, ui("Die Datei ''Templates.prefs'' ist schreibgeschützt.\r"
                           "Sie ist unverändert geblieben; es wurden keine Codes hinzugefügt."));
    EXPECT_EQ(readBytes(templates.string()), old);
    EXPECT_EQ(fs::status(templates).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_EQ(
        std::distance(fs::directory_iterator(templates.parent_path()), fs::directory_iterator()), 1)
        << "no temporary file beside it";
}

TEST_F(EditorPathTest, AProgramDirectoryNamedBeyondTheCodePageShowsItsOwnLibrary) {
    // The program directory at ~/Программы/Codarium, writable by the user:
    // its own library is shown and the editor gets the code's real path.
    writeStandardSettings("[Einstellungen]\r\nPBPfad = 0\r\n");
    writeOneCodeLibrary();
    const fs::path named =
        home.path() / "\xD0\x9F\xD1\x80\xD0\xBE\xD0\xB3\xD1\x80\xD0\xB0\xD0\xBC\xD0\xBC\xD1\x8B" /
        "Codarium";
    fs::create_directories(named.parent_path());
    fs::copy(programDir.path(), named, fs::copy_options::recursive);
    fs::current_path(named);
    ASSERT_TRUE(startUp());
    runPendingTurns();

    EXPECT_EQ(startupState().DataDir, fs::canonical(named).string());
    ASSERT_EQ(widgets::treeItemCount(LibraryTreeGadget), 2);
    EXPECT_EQ(widgets::treeItemText(LibraryTreeGadget, 0), "Dialoge");
    EXPECT_EQ(widgets::treeItemText(LibraryTreeGadget, 1), "Datei");
    EXPECT_FALSE(fs::exists(home.path() / "data/Marvolt")) << "no per-user copy";

    const fs::path record = home.path() / "record";
    const std::string editor =
        installEditor("\xC5\x81ukasz/purebasic",
                      "{ for a in \"$@\"; do printf '%s\\n' \"$a\"; done; } > '" + record.string() +
                          ".part'\nmv '" + record.string() + ".part' '" + record.string() + "'\n");
    hooks::queueFileDialogAnswer(editor);
    ASSERT_TRUE(hooks::chooseMenuItem(MainMenu, command::ChooseEditor));
    runPendingTurns();
    selectTheCode();
    ASSERT_TRUE(hooks::chooseMenuItem(MainMenu, command::OpenInEditor));
    runPendingTurns();
    for (int i = 0; i < 200 && !fs::exists(record); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    EXPECT_EQ(readBytes(record.string()),
              fs::canonical(named).string() + "/Codes/Dialoge/Datei.pb\n");
}

TEST_F(EditorPathTest, NamesBeyondTheCodePageStayWholeFromTheirDialogsToTheFilesWritten) {
    // A user called Łukasz whose editor sits in a Japanese folder, and an
    // emoji in the name of the home itself.
    const std::string user = "\xC5\x81ukasz \xF0\x9F\x98\x80";
    const fs::path realHome = home.path() / user;
    fs::create_directories(realHome);
    ::setenv("HOME", realHome.c_str(), 1);
    const std::string editor =
        installEditor(user + "/\xE6\x97\xA5\xE6\x9C\xAC/pb/compilers/purebasic");
    ::setenv("PUREBASIC_HOME", (realHome / "\xE6\x97\xA5\xE6\x9C\xAC/pb").c_str(), 1);
    writeOneCodeLibrary();
    ASSERT_TRUE(start());

    // The proposal shows and is saved as the system gave it.
    ASSERT_TRUE(widgets::isWindow(EditorPathWindow));
    EXPECT_EQ(widgets::fieldPath(EditorPathField), editor);
    ASSERT_TRUE(hooks::clickButton(SaveEditorPathButton));
    runPendingTurns();
    EXPECT_EQ(appSettings().editorPath, editor);

    // A file dialog's answer too.
    const std::string other = installEditor(
        "\xD0\x9F\xD1\x80\xD0\xBE\xD0\xB3\xD1\x80\xD0\xB0\xD0\xBC\xD0\xBC\xD1\x8B/purebasic");
    hooks::queueFileDialogAnswer(other);
    ASSERT_TRUE(hooks::chooseMenuItem(MainMenu, command::ChooseEditor));
    runPendingTurns();
    EXPECT_EQ(appSettings().editorPath, other);

    // The template export lands in the real home.
    const fs::path templates = realHome / ".purebasic/templates.prefs";
    fs::create_directories(templates.parent_path());
    writeBytes(templates.string(), "TEMPLATES:1.0\n0\n");
    hooks::queueMessageBoxAnswer(widgets::MessageResult::Yes);
    ASSERT_TRUE(hooks::chooseMenuItem(MainMenu, command::ExportTemplates));
    runPendingTurns();
    EXPECT_EQ(readBytes(templates.string()),
              "TEMPLATES:1.0\r\n0\r\nDirectory: Codarium\r\nDirectory: Dialoge\r\n"
              "Template: Datei\r\n  Comment: Datei\r\n  Code: MessageRequester(\"a\", \"b\")\r\n"
              "CloseDirectory\r\nCloseDirectory\r\n");

    // Stored, and read back exactly by the next start.
    ASSERT_TRUE(saveSettingsAtExit());
    EXPECT_TRUE(readBytes(standardFile()).starts_with("\xEF\xBB\xBF")) << "UTF-8 with its mark";
    EXPECT_EQ(testsupport::readStored(standardFile()).editorPath, other);
    releaseAll();
    resetAppState();
    ASSERT_TRUE(start());
    EXPECT_FALSE(widgets::isWindow(EditorPathWindow));
    EXPECT_EQ(appSettings().editorPath, other);

    // Nothing was made under a name that lost its characters.
    for (const auto& entry : fs::recursive_directory_iterator(home.path())) {
        EXPECT_EQ(entry.path().string().find('?'), std::string::npos) << entry.path();
    }
}

} // namespace
} // namespace codarium::app
