// A list must survive every failure on the way to its replacement: the old
// list or the complete new one, never neither, never a line lost or doubled.
#include "library/list_file.h"
#include "library/list_file_steps.h"
#include "library/store_paths.h"
#include "store_fixture.h"

#include <sys/stat.h>
#include <unistd.h>

namespace codarium::library {
namespace {

using testing::readFile;
using testing::runWithoutPrivileges;
using testing::writeFile;

constexpr const char* List = "Einstellungen/Kategorien.ini";
constexpr const char* Temp = "Einstellungen/Kategorien.tmp";
constexpr const char* Original = "Dateien\r\nFenster\r\nNetz\r\n";

class ListFaults : public testing::StoreTest {
protected:
    void SetUp() override {
        StoreTest::SetUp();
        writeFile(List, Original);
        // The unprivileged child must reach the folder.
        ::chmod(".", 0755);
        ::chmod("Einstellungen", 0777);
        ::chmod(List, 0666);
    }
};

TEST_F(ListFaults, AListThatCannotBeReadStaysAsItIs) {
    ::chmod(List, 0);
    const auto rewritten = runWithoutPrivileges(
        [] { return rewriteWithoutLine(List, Temp, "Fenster") || sortListFile(List); });
    if (!rewritten) {
        GTEST_SKIP() << "cannot drop privileges";
    }
    EXPECT_FALSE(*rewritten);
    ::chmod(List, 0644);
    EXPECT_EQ(readFile(List), Original);
    EXPECT_FALSE(platform::pathExists(Temp));

    // A folder where the list should be cannot be read as one either.
    ASSERT_TRUE(platform::createDirectory("Einstellungen/Ordner.ini"));
    EXPECT_FALSE(rewriteWithoutLine("Einstellungen/Ordner.ini", "Einstellungen/Ordner.tmp", ""));
    EXPECT_FALSE(sortListFile("Einstellungen/Ordner.ini"));
    EXPECT_TRUE(platform::directoryExists("Einstellungen/Ordner.ini"));
    EXPECT_FALSE(platform::pathExists("Einstellungen/Ordner.tmp"));
}

TEST_F(ListFaults, ATemporaryFileThatCannotBeCreatedLeavesTheList) {
    ASSERT_TRUE(platform::createDirectory(Temp));
    EXPECT_FALSE(rewriteWithoutLine(List, Temp, "Fenster"));
    EXPECT_FALSE(sortListFile(List));
    EXPECT_EQ(readFile(List), Original);
    EXPECT_TRUE(platform::directoryExists(Temp));
}

TEST_F(ListFaults, ATemporaryFileThatCannotBeWrittenCompletelyLeavesTheList) {
    if (!platform::pathExists("/dev/full")) {
        GTEST_SKIP() << "no /dev/full";
    }
    // Every write to /dev/full fails as on a full disk; the buffered lines
    // only fail when they are flushed.
    ASSERT_EQ(::symlink("/dev/full", Temp), 0);
    EXPECT_FALSE(rewriteWithoutLine(List, Temp, "Fenster"));
    EXPECT_EQ(readFile(List), Original);
    EXPECT_FALSE(platform::pathExists(Temp));

    ASSERT_EQ(::symlink("/dev/full", Temp), 0);
    EXPECT_FALSE(sortListFile(List));
    EXPECT_EQ(readFile(List), Original);
}

TEST_F(ListFaults, AReadOnlyFolderKeepsItsListsWhole) {
    ::chmod("Einstellungen", 0555);
    const auto replaced = runWithoutPrivileges([] {
        return rewriteWithoutLine(List, Temp, "Fenster") || sortListFile(List) ||
               appendLine("Einstellungen/Neu.ini", "x");
    });
    const auto appended = runWithoutPrivileges([] { return appendLine(List, "Zeit"); });
    ::chmod("Einstellungen", 0755);
    if (!replaced || !appended) {
        GTEST_SKIP() << "cannot drop privileges";
    }
    EXPECT_FALSE(*replaced);
    EXPECT_FALSE(platform::pathExists(Temp));
    EXPECT_FALSE(platform::pathExists("Einstellungen/Neu.ini"));
    // The list file itself is writable, so an addition still reaches it.
    EXPECT_TRUE(*appended);
    EXPECT_EQ(readFile(List), std::string(Original) + "Zeit\r\n");
}

TEST_F(ListFaults, ARemovalInterruptedAfterAnyStepLosesAndDoublesNothing) {
    const std::vector<std::string> without = {"Dateien", "Netz"};
    for (const auto stop : {detail::ReplaceStep::WriteTemp, detail::ReplaceStep::VerifyTemp}) {
        writeFile(List, Original);
        ASSERT_TRUE(detail::replaceListFileUntil(List, Temp, without, stop));
        // The process "ends" here: the old list is whole, the new one waits.
        EXPECT_EQ(readFile(List), Original);
        EXPECT_EQ(readFile(Temp), "Dateien\r\nNetz\r\n");
        // The next run repeats the removal and finishes it.
        ASSERT_TRUE(rewriteWithoutLine(List, Temp, "Fenster"));
        EXPECT_EQ(readFile(List), "Dateien\r\nNetz\r\n");
        EXPECT_FALSE(platform::pathExists(Temp));
    }
    writeFile(List, Original);
    ASSERT_TRUE(detail::replaceListFileUntil(List, Temp, without, detail::ReplaceStep::Rename));
    EXPECT_EQ(readFile(List), "Dateien\r\nNetz\r\n");
    EXPECT_FALSE(platform::pathExists(Temp));
}

TEST_F(ListFaults, ASortInterruptedBeforeTheRenameKeepsTheUnsortedList) {
    writeFile(List, "b\r\na\r\n");
    ASSERT_TRUE(
        detail::replaceListFileUntil(List, Temp, {"a", "b"}, detail::ReplaceStep::VerifyTemp));
    EXPECT_EQ(readFile(List), "b\r\na\r\n");
    ASSERT_TRUE(sortListFile(List));
    EXPECT_EQ(readFile(List), "a\r\nb\r\n");
    EXPECT_FALSE(platform::pathExists(Temp));
}

} // namespace
} // namespace codarium::library
