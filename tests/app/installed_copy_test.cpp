// The program started from an installed program directory: it runs on the
// user's own copy, keeps the portable settings there, never writes into the
// installation, and leaves updates to the package manager.
#include "app/app_state.h"
#include "app/main_window_numbers.h"
#include "app/package_update_notice.h"
#include "app/per_user_program_directory.h"
#include "app/shell_commands.h"
#include "app/ui_text.h"
#include "program_fixture.h"
#include "widgets/test_hooks.h"
#include "widgets/tree_gadget.h"

#include <filesystem>

namespace codarium::app {
namespace {

namespace fs = std::filesystem;
namespace hooks = widgets::testing;
using testsupport::EnvironmentGuard;
using testsupport::readBytes;
using testsupport::treeSnapshot;
using testsupport::writeBytes;

class InstalledCopyTest : public testsupport::ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        writeOneCodeLibrary();
        writeBytes(program(InstalledCopyMarker), "");
    }

    testsupport::ScratchFolder home;
    std::string dataHome = fs::canonical(home.path()).string();
    EnvironmentGuard xdg{"XDG_DATA_HOME", dataHome.c_str()};
    std::string perUser = dataHome + "/Marvolt/Codarium";
};

TEST_F(InstalledCopyTest, TheProgramRunsOnTheUsersCopyAndKeepsPortableSettingsThere) {
    const auto installed = treeSnapshot(programDir.path());
    ASSERT_TRUE(start());
    runPendingTurns();

    EXPECT_EQ(startupState().DataDir, perUser);
    EXPECT_EQ(fs::current_path(), fs::path(perUser));
    ASSERT_GE(widgets::treeItemCount(LibraryTreeGadget), 1);
    EXPECT_EQ(widgets::treeItemText(LibraryTreeGadget, 0), "Dialoge");
    EXPECT_EQ(startupState().SettingsFile, appData / "Marvolt/Codarium/Einstellungen.ini");

    // Command 23 puts the portable file beside the program: the user's copy.
    usePortableLocation();
    EXPECT_EQ(readBytes(perUser + "/Einstellungen.ini"), readBytes(standardFile()));
    EXPECT_EQ(treeSnapshot(programDir.path()), installed);
}

TEST_F(InstalledCopyTest, TheUpdateCheckIsLeftToThePackageManager) {
    EXPECT_TRUE(explainPackageManagerUpdates(programDir.path().string()));
    auto boxes = hooks::recordedMessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, ui("Aktualisierung"));
    EXPECT_EQ(boxes[0].text, ui("Diese Installation von Codarium wird über die Paketverwaltung "
                                "des Systems aktualisiert.\rBitte suchen Sie dort nach einer "
                                "neuen Version."));
    EXPECT_EQ(boxes[0].icon, widgets::MessageIcon::Information);

    // A program directory of the user's own updates itself.
    hooks::clearRecordedDialogs();
    fs::remove(program(InstalledCopyMarker));
    EXPECT_FALSE(explainPackageManagerUpdates(programDir.path().string()));
    EXPECT_TRUE(hooks::recordedMessageBoxes().empty());
}

} // namespace
} // namespace codarium::app
