#include "app/app_state.h"
#include "app/event_loop.h"
#include "app/main_window_numbers.h"
#include "app/session_end.h"
#include "app/shutdown.h"
#include "app/startup_messages.h"
#include "app/ui_text.h"
#include "program_fixture.h"
#include "widgets/gadgets.h"
#include "widgets/menus.h"
#include "widgets/splitter_gadget.h"
#include "widgets/test_hooks.h"
#include "widgets/windows.h"

#include <csignal>
#include <filesystem>

namespace codarium::app {
namespace {

namespace fs = std::filesystem;
namespace hooks = widgets::testing;
using testsupport::readBytes;
using testsupport::readStored;

class RunTest : public testsupport::ProgramTest {
protected:
    void expectOnlyErrorBox(std::string_view utf8Text) {
        const auto boxes = hooks::recordedMessageBoxes();
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].title, "Fehler");
        EXPECT_EQ(boxes[0].text, ui(utf8Text));
        EXPECT_EQ(boxes[0].icon, widgets::MessageIcon::Error);
        EXPECT_EQ(boxes[0].buttons, widgets::MessageButtons::Ok);
    }
};

TEST_F(RunTest, ACloseRequestFromADialogEndsTheLoopAndTheSettingsAreSaved) {
    ASSERT_TRUE(start());
    ASSERT_TRUE(widgets::openWindow(CreateCategoryWindow, 0, 0, 300, 120, "Kategorie erstellen",
                                    widgets::DialogFlags, MainWindow));
    widgets::resizeWindow(MainWindow, 900, 650);
    hooks::processPendingEvents();
    ASSERT_TRUE(hooks::requestWindowClose(CreateCategoryWindow));
    EXPECT_EQ(runEventLoop(), LoopEnd::CloseRequest);
    shutDown("/bin/false");
    const auto stored = readStored(standardFile());
    EXPECT_EQ(stored.width, 900);
    EXPECT_EQ(stored.height, 650);
    EXPECT_EQ(stored.state, 0);
    EXPECT_EQ(stored.splitter, 200);
}

TEST_F(RunTest, TheMainWindowsCloseBoxAndSortieAreCloseRequests) {
    ASSERT_TRUE(start());
    runPendingTurns();
    ASSERT_TRUE(hooks::requestWindowClose(MainWindow));
    EXPECT_TRUE(runPendingTurns());
    EXPECT_TRUE(widgets::isWindow(MainWindow)); // closing is the program's, after saving
    ASSERT_TRUE(hooks::chooseMenuItem(MainMenu, command::Exit));
    EXPECT_TRUE(runPendingTurns());
}

TEST_F(RunTest, SessionEndIsACloseRequest) {
    ASSERT_TRUE(start());
    installSessionEndHandlers();
    runPendingTurns();
    ASSERT_EQ(std::raise(SIGTERM), 0);
    EXPECT_TRUE(runPendingTurns());
    ASSERT_EQ(std::raise(SIGINT), 0);
    EXPECT_TRUE(runPendingTurns());
}

TEST_F(RunTest, AMaximizedRunKeepsTheNormalSize) {
    writeStandardSettings("[Einstellungen]\r\nFensterstatus = 16777216\r\nFensterbreite = 700\r\n"
                          "Fensterhoehe = 500\r\nSplitterposition = 250\r\n");
    ASSERT_TRUE(start());
    runPendingTurns();
    EXPECT_EQ(widgets::windowState(MainWindow), widgets::WindowState::Maximized);
    EXPECT_EQ(widgets::splitterPosition(MainSplitter), 250);
    ASSERT_TRUE(saveSettingsAtExit());
    const auto stored = readStored(standardFile());
    EXPECT_EQ(stored.state, 16777216);
    EXPECT_EQ(stored.width, 700);
    EXPECT_EQ(stored.height, 500);
    EXPECT_EQ(stored.splitter, 250);
}

TEST_F(RunTest, AMinimizedRunLeavesTheWindowKeysAlone) {
    writeStandardSettings("[Einstellungen]\r\nFensterstatus = 0\r\nFensterbreite = 640\r\n"
                          "Fensterhoehe = 480\r\n");
    ASSERT_TRUE(start());
    widgets::resizeWindow(MainWindow, 900, 700);
    runPendingTurns();
    widgets::setWindowState(MainWindow, widgets::WindowState::Minimized);
    runPendingTurns();
    ASSERT_TRUE(saveSettingsAtExit());
    const auto stored = readStored(standardFile());
    EXPECT_EQ(stored.state, 0);
    EXPECT_EQ(stored.width, 640);
    EXPECT_EQ(stored.height, 480);
    EXPECT_EQ(stored.iconSize, 32);
}

TEST_F(RunTest, MissingServerConfigurationStopsAfterTheWindowAppeared) {
    fs::remove(program("Konfiguration.ini"));
    EXPECT_FALSE(start());
    expectOnlyErrorBox(message::ServerConfigBroken);
    EXPECT_TRUE(widgets::isWindow(MainWindow));
    // Nothing of the run is saved: the file stays as created.
    EXPECT_EQ(readStored(standardFile()).width, 800);
}

TEST_F(RunTest, ABlankOrEmptyKeyIsABrokenConfiguration) {
    testsupport::writeBytes(program("Konfiguration.ini"),
                            "[Konfiguration]\r\nSoftware = Codarium\r\nServer =     \r\n"
                            "Verzeichnis = codarium\r\n");
    EXPECT_FALSE(start());
    expectOnlyErrorBox(message::ServerConfigBroken);
}

TEST_F(RunTest, AnEmptyDirectoryKeyIsABrokenConfigurationToo) {
    testsupport::writeBytes(program("Konfiguration.ini"),
                            "[Konfiguration]\r\nSoftware = Codarium\r\n"
                            "Server = http://updates.codarium.invalid\r\nVerzeichnis =\r\n");
    EXPECT_FALSE(start());
    expectOnlyErrorBox(message::ServerConfigBroken);
}

TEST_F(RunTest, AMissingPlugInStopsBeforeTheSettingsAndTheWindow) {
    fs::remove(program("SyntaxHilighting.so"));
    EXPECT_FALSE(start());
    expectOnlyErrorBox(message::HighlighterMissing);
    EXPECT_NE(message::HighlighterMissing.find("''SyntaxHilighting.so''"), std::string::npos);
    EXPECT_FALSE(widgets::isWindow(MainWindow));
    EXPECT_FALSE(fs::exists(standardFile()));
    // The store was made before the check.
    EXPECT_TRUE(fs::is_directory(programDir.path() / "Codes"));
    EXPECT_EQ(fs::file_size(programDir.path() / "Einstellungen/Kategorien.ini"), 0u);
}

TEST_F(RunTest, AMissingExecutableStopsFirst) {
    fs::remove(program("Codarium"));
    EXPECT_FALSE(start());
    expectOnlyErrorBox(message::ExecutableMissing);
    EXPECT_FALSE(fs::exists(programDir.path() / "Codes"));
}

} // namespace
} // namespace codarium::app
