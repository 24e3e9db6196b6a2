#include "app/program_directory.h"
#include "app/startup_messages.h"
#include "tests/support/scratch_folder.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace codarium::app {
namespace {

namespace fs = std::filesystem;
using testsupport::readBytes;
using testsupport::ScratchFolder;
using testsupport::WorkingDirectoryGuard;
using testsupport::writeBytes;

TEST(ProgramDirectory, TheStartDirectoryWinsWhenItHoldsTheExecutable) {
    WorkingDirectoryGuard guard;
    ScratchFolder start;
    ScratchFolder installed;
    writeBytes(start / "Codarium", "");
    writeBytes(installed / "Codarium", "");
    fs::current_path(start.path());
    const auto dir = findProgramDirectory(installed / "Codarium");
    ASSERT_TRUE(dir);
    EXPECT_EQ(fs::path(*dir), fs::canonical(start.path()));
}

TEST(ProgramDirectory, OtherwiseTheExecutablesOwnDirectoryBecomesTheWorkingDirectory) {
    WorkingDirectoryGuard guard;
    ScratchFolder start;
    ScratchFolder installed;
    writeBytes(installed / "Codarium", "");
    fs::current_path(start.path());
    const auto dir = findProgramDirectory(installed / "Codarium");
    ASSERT_TRUE(dir);
    EXPECT_EQ(fs::current_path(), fs::canonical(installed.path()));
}

TEST(ProgramDirectory, AnExecutableUnderAnotherNameDoesNotStart) {
    WorkingDirectoryGuard guard;
    ScratchFolder start;
    ScratchFolder installed;
    writeBytes(installed / "Codarium-alt", "");
    fs::current_path(start.path());
    EXPECT_FALSE(findProgramDirectory(installed / "Codarium-alt"));
}

TEST(ProgramDirectory, TheStoreIsCreatedWhereMissingAndKeptWhereThere) {
    WorkingDirectoryGuard guard;
    ScratchFolder dir;
    fs::current_path(dir.path());
    ensureLibraryStore();
    EXPECT_TRUE(fs::is_directory("Codes"));
    EXPECT_TRUE(fs::is_directory("Einstellungen"));
    ASSERT_TRUE(fs::is_regular_file("Einstellungen/Kategorien.ini"));
    EXPECT_EQ(fs::file_size("Einstellungen/Kategorien.ini"), 0u);

    writeBytes(dir / "Einstellungen/Kategorien.ini", "Dateien\r\n");
    ensureLibraryStore();
    EXPECT_EQ(readBytes(dir / "Einstellungen/Kategorien.ini"), "Dateien\r\n");
}

TEST(ProgramDirectory, OnlyTheHighlighterPlugInCanBeMissing) {
    WorkingDirectoryGuard guard;
    ScratchFolder dir;
    fs::current_path(dir.path());
    ASSERT_TRUE(missingComponentMessage());
    EXPECT_EQ(*missingComponentMessage(), message::HighlighterMissing);
    writeBytes(dir / "SyntaxHilighting.so", "");
    EXPECT_FALSE(missingComponentMessage());
}

} // namespace
} // namespace codarium::app
