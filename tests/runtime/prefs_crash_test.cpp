// A preferences file whose close is killed at any step: the file is, in
// full, the old one or the new one, and nothing beside it changes.
#include "runtime/prefs_file.h"

#include "tests/support/scratch_folder.h"

#include "../platform/kill_at_every_step.h"

#include <gtest/gtest.h>

namespace codarium {
namespace {

using testsupport::expectOldOrNew;
using testsupport::folderFiles;
using testsupport::FolderFiles;
using testsupport::killAtEverySaveStep;
using testsupport::ScratchFolder;
using testsupport::writeBytes;

TEST(CrashConsistency, APreferencesFileKilledAtAnyStepOfItsCloseIsOldOrNew) {
    ScratchFolder dir;
    const std::string path = dir.file("Einstellungen.ini");
    const auto reset = [&] {
        std::filesystem::remove_all(dir.path());
        std::filesystem::create_directories(dir.path());
        writeBytes(path, "[Fenster]\r\nX = 10\r\nY = 20\r\n[Pfade]\r\nEditor = /usr/bin/ed\r\n");
        writeBytes(dir.file("Andere.ini"), "[A]\r\nb = c\r\n");
    };
    const auto close = [&] {
        PrefsFile prefs;
        if (prefs.openFile(path)) {
            prefs.selectGroup("Fenster");
            prefs.writeInteger("X", 300);
            prefs.writeString("Neu", "ja");
            prefs.close();
        }
    };
    reset();
    const FolderFiles before = folderFiles(dir.path());
    close();
    const FolderFiles rewritten = {
        {"Einstellungen.ini", folderFiles(dir.path())["Einstellungen.ini"]}};
    ASSERT_NE(rewritten.at("Einstellungen.ini"), before.at("Einstellungen.ini"));
    ASSERT_NE(rewritten.at("Einstellungen.ini").find("X = 300"), std::string::npos);

    const int steps = killAtEverySaveStep(reset, close, [&](int, bool finished) {
        expectOldOrNew(before, rewritten, folderFiles(dir.path()), finished);
    });
    EXPECT_GE(steps, 5);
}

} // namespace
} // namespace codarium
