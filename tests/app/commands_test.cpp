#include "app/app_state.h"
#include "app/event_loop.h"
#include "app/main_window_numbers.h"
#include "app/shutdown.h"
#include "app/ui_text.h"
#include "program_fixture.h"
#include "widgets/gadgets.h"
#include "widgets/list_gadget.h"
#include "widgets/menus.h"
#include "widgets/scintilla_gadget.h"
#include "widgets/test_hooks.h"
#include "widgets/text_gadgets.h"
#include "widgets/toolbar.h"
#include "widgets/windows.h"

#include <Qsci/qsciscintillabase.h>
#include <chrono>
#include <filesystem>
#include <thread>

namespace codarium::app {
namespace {

namespace fs = std::filesystem;
namespace hooks = widgets::testing;
using testsupport::readBytes;
using testsupport::readStored;

class CommandTest : public testsupport::ProgramTest {};

TEST_F(CommandTest, SearchButtonFollowsTheFieldAndBlankReturnOpensNothing) {
    writeOneCodeLibrary();
    ASSERT_TRUE(start());
    runPendingTurns();
    ASSERT_TRUE(hooks::typeIntoField(SearchField, "   "));
    ASSERT_TRUE(hooks::pressReturn(SearchField));
    EXPECT_FALSE(runPendingTurns());
    EXPECT_TRUE(widgets::gadgetDisabled(SearchButton));
    EXPECT_FALSE(widgets::isWindow(SearchWindow));
    ASSERT_TRUE(hooks::typeIntoField(SearchField, "Datei"));
    runPendingTurns();
    EXPECT_FALSE(widgets::gadgetDisabled(SearchButton));
    widgets::setGadgetText(SearchField, "");
    runPendingTurns();
    EXPECT_TRUE(widgets::gadgetDisabled(SearchButton));
}

TEST_F(CommandTest, ToolbarSizeAnsweredNoKeepsTheToolbarAndSavesTheNewSize) {
    ASSERT_TRUE(start());
    runPendingTurns();
    hooks::queueMessageBoxAnswer(widgets::MessageResult::No);
    ASSERT_TRUE(hooks::chooseMenuItem(MainMenu, command::IconSize24));
    EXPECT_FALSE(runPendingTurns());
    const auto boxes = hooks::recordedMessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, ui("ToolBar-Icongröße ändern"));
    EXPECT_EQ(boxes[0].text,
              ui("Die Einstellung für die ToolBar-Icongröße wurde jetzt geändert.\rDamit die "
                 "Änderung wirksam wird, muss die Anwendung neu gestartet werden.\rMöchten Sie "
                 "die Anwendung jetzt neu starten?"));
    EXPECT_EQ(boxes[0].icon, widgets::MessageIcon::Question);
    EXPECT_EQ(boxes[0].buttons, widgets::MessageButtons::YesNo);
    EXPECT_TRUE(widgets::menuItemChecked(MainMenu, command::IconSize24));
    EXPECT_FALSE(widgets::menuItemChecked(MainMenu, command::IconSize32));
    EXPECT_FALSE(widgets::menuItemChecked(MainMenu, command::IconSize16));
    EXPECT_EQ(widgets::toolBarIconSize(MainToolBar), 32);
    EXPECT_EQ(startupState().RestartRequested, 0);

    ASSERT_TRUE(hooks::chooseMenuItem(MainMenu, command::Exit));
    ASSERT_TRUE(runPendingTurns());
    EXPECT_FALSE(restartIfRequested("/bin/false"));
    ASSERT_TRUE(saveSettingsAtExit());
    EXPECT_EQ(readStored(standardFile()).iconSize, 24);
}

TEST_F(CommandTest, ToolbarSizeAnsweredYesSavesFirstThenStartsTheProgramAgain) {
    ASSERT_TRUE(start());
    runPendingTurns();
    hooks::queueMessageBoxAnswer(widgets::MessageResult::Yes);
    ASSERT_TRUE(hooks::chooseMenuItem(MainMenu, command::IconSize16));
    ASSERT_TRUE(runPendingTurns());
    EXPECT_EQ(startupState().RestartRequested, 1);

    // The stand-in program records the settings file as it finds it.
    const std::string seen = programDir / "seen.ini";
    const std::string script = programDir / "restart.sh";
    testsupport::writeBytes(script, "#!/bin/sh\ncp '" + standardFile() + "' '" + seen + ".tmp'\n" +
                                        "mv '" + seen + ".tmp' '" + seen + "'\n");
    fs::permissions(script, fs::perms::owner_all);
    shutDown(script);
    for (int i = 0; i < 100 && !fs::exists(seen); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    ASSERT_TRUE(fs::exists(seen)) << "the restart did not run";
    EXPECT_EQ(readStored(seen).iconSize, 16);
}

TEST_F(CommandTest, WordWrapTogglesItsCheckMarkAndTheView) {
    ASSERT_TRUE(start());
    constexpr unsigned GetWrapMode = QsciScintillaBase::SCI_GETWRAPMODE;
    EXPECT_EQ(widgets::sendScintilla(CodeViewGadget, GetWrapMode), 0);
    ASSERT_TRUE(hooks::chooseMenuItem(MainMenu, command::WordWrap));
    runPendingTurns();
    EXPECT_EQ(appSettings().wordWrap, 1);
    EXPECT_TRUE(widgets::menuItemChecked(MainMenu, command::WordWrap));
    EXPECT_EQ(widgets::sendScintilla(CodeViewGadget, GetWrapMode), 1);
    ASSERT_TRUE(hooks::chooseMenuItem(MainMenu, command::WordWrap));
    runPendingTurns();
    EXPECT_EQ(appSettings().wordWrap, 0);
    EXPECT_FALSE(widgets::menuItemChecked(MainMenu, command::WordWrap));
    EXPECT_EQ(widgets::sendScintilla(CodeViewGadget, GetWrapMode), 0);
}

TEST_F(CommandTest, TheCodeViewIsReadOnlyAndTheToolbarButtonOfAboutShowsTheBox) {
    ASSERT_TRUE(start());
    constexpr unsigned GetReadOnly = QsciScintillaBase::SCI_GETREADONLY;
    EXPECT_EQ(widgets::sendScintilla(CodeViewGadget, GetReadOnly), 1);
    ASSERT_TRUE(hooks::clickToolBarButton(MainToolBar, command::About));
    EXPECT_FALSE(runPendingTurns());
    const auto boxes = hooks::recordedMessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, "Information  ");
    EXPECT_EQ(boxes[0].icon, widgets::MessageIcon::Information);
    EXPECT_EQ(boxes[0].buttons, widgets::MessageButtons::Ok);
    // The version is the release of the build (project() in CMakeLists.txt).
    EXPECT_EQ(boxes[0].text.rfind(std::string("Codarium ") + CODARIUM_VERSION + "\r", 0), 0u);
    EXPECT_NE(boxes[0].text.find("codarium.invalid"), std::string::npos);
}

TEST_F(CommandTest, PortableThenStandardLocation) {
    ASSERT_TRUE(start());
    ASSERT_TRUE(fs::exists(standardFile()));
    const std::string standardBefore = readBytes(standardFile());
    ASSERT_TRUE(hooks::chooseMenuItem(MainMenu, command::PortableLocation));
    runPendingTurns();
    EXPECT_TRUE(widgets::menuItemChecked(MainMenu, command::PortableLocation));
    EXPECT_FALSE(widgets::menuItemChecked(MainMenu, command::StandardLocation));
    ASSERT_TRUE(fs::exists(program("Einstellungen.ini")));
    EXPECT_EQ(readBytes(program("Einstellungen.ini")), standardBefore);

    // From now on the portable file is the one written.
    widgets::resizeWindow(MainWindow, 900, 650);
    runPendingTurns();
    ASSERT_TRUE(saveSettingsAtExit());
    EXPECT_EQ(readStored(program("Einstellungen.ini")).width, 900);
    EXPECT_EQ(readBytes(standardFile()), standardBefore);

    ASSERT_TRUE(hooks::chooseMenuItem(MainMenu, command::StandardLocation));
    runPendingTurns();
    EXPECT_TRUE(widgets::menuItemChecked(MainMenu, command::StandardLocation));
    EXPECT_FALSE(fs::exists(program("Einstellungen.ini")));
    ASSERT_TRUE(saveSettingsAtExit());
    EXPECT_EQ(readStored(standardFile()).width, 900);
}

TEST_F(CommandTest, StandardLocationWithoutAPerUserFileSavesNothing) {
    writePortableSettings("[Einstellungen]\r\nFensterbreite = 640\r\n");
    ASSERT_TRUE(start());
    ASSERT_TRUE(hooks::chooseMenuItem(MainMenu, command::StandardLocation));
    runPendingTurns();
    EXPECT_FALSE(fs::exists(program("Einstellungen.ini")));
    EXPECT_FALSE(saveSettingsAtExit());
    EXPECT_FALSE(fs::exists(standardFile()));
}

TEST_F(CommandTest, CompletionFlagsCloseTheirWindowsAfterTheNextEvent) {
    ASSERT_TRUE(start());
    runPendingTurns();
    ASSERT_TRUE(widgets::openWindow(SubmissionWindow, 0, 0, 520, 500, "Proposer",
                                    widgets::DialogFlags, MainWindow));
    widgets::disableWindow(MainWindow, true);
    ASSERT_TRUE(widgets::openWindow(UploadWindow, 0, 0, 500, 140, "WinAPI-Code senden",
                                    widgets::DialogFlags, SubmissionWindow));
    widgets::disableWindow(SubmissionWindow, true);
    ASSERT_TRUE(widgets::openWindow(UpdateWaitWindow, 0, 0, 500, 120, "Actualiser    ",
                                    widgets::DialogFlags, MainWindow));
    runPendingTurns();

    workerFlags().UploadFinished = 1;
    EXPECT_TRUE(widgets::isWindow(UploadWindow)); // nothing happens before an event
    widgets::postWindowEvent({.kind = widgets::EventKind::WakeUp});
    runPendingTurns();
    EXPECT_FALSE(widgets::isWindow(UploadWindow));
    EXPECT_FALSE(widgets::windowDisabled(SubmissionWindow));
    EXPECT_TRUE(widgets::windowDisabled(MainWindow));
    EXPECT_EQ(workerFlags().UploadFinished, 0);

    workerFlags().SubmissionFinished = 1;
    workerFlags().UpdateCheckFinished = 1;
    widgets::postWindowEvent({.kind = widgets::EventKind::WakeUp});
    runPendingTurns();
    EXPECT_FALSE(widgets::isWindow(SubmissionWindow));
    EXPECT_FALSE(widgets::windowDisabled(MainWindow));
    EXPECT_FALSE(widgets::isWindow(UpdateWaitWindow));
    EXPECT_EQ(workerFlags().SubmissionFinished, 0);
    EXPECT_EQ(workerFlags().UpdateCheckFinished, 0);
}

TEST_F(CommandTest, RelayoutPlacesTheSearchWindowsGadgets) {
    ASSERT_TRUE(start());
    ASSERT_TRUE(widgets::openWindow(SearchWindow, 0, 0, 600, 400, "Suchen",
                                    widgets::MainWindowFlags | widgets::WindowNoCloseEntry,
                                    MainWindow));
    ASSERT_TRUE(widgets::stringGadget(library::SearchTextField, SearchWindow, 0, 0, 500, 20, ""));
    ASSERT_TRUE(
        widgets::buttonGadget(library::SearchAgainButton, SearchWindow, 500, 0, 100, 20, "Suchen"));
    ASSERT_TRUE(
        widgets::listIconGadget(library::ResultList, SearchWindow, 0, 20, 600, 340, "Name", 235));
    ASSERT_TRUE(widgets::buttonGadget(library::ShowButton, SearchWindow, 120, 370, 150, 20, "a"));
    ASSERT_TRUE(
        widgets::buttonGadget(library::ShowAndCloseButton, SearchWindow, 280, 370, 150, 20, "b"));
    ASSERT_TRUE(
        widgets::buttonGadget(library::CloseSearchButton, SearchWindow, 440, 370, 150, 20, "c"));
    runPendingTurns();
    widgets::resizeWindow(SearchWindow, 800, 500);
    runPendingTurns();
    EXPECT_EQ(widgets::gadgetWidth(library::SearchTextField), 700);
    EXPECT_EQ(widgets::gadgetX(library::SearchAgainButton), 700);
    EXPECT_EQ(widgets::gadgetWidth(library::ResultList), 800);
    EXPECT_EQ(widgets::gadgetHeight(library::ResultList), 440);
    EXPECT_EQ(widgets::gadgetX(library::ShowButton), 320);
    EXPECT_EQ(widgets::gadgetX(library::ShowAndCloseButton), 480);
    EXPECT_EQ(widgets::gadgetX(library::CloseSearchButton), 640);
    EXPECT_EQ(widgets::gadgetY(library::CloseSearchButton), 470);
    EXPECT_EQ(widgets::gadgetWidth(library::CloseSearchButton), 150);
    // Its close box is inert: no close request ends the program.
    ASSERT_TRUE(hooks::requestWindowClose(SearchWindow));
    EXPECT_FALSE(runPendingTurns());
}

} // namespace
} // namespace codarium::app
