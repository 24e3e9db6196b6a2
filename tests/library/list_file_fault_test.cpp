// A list must survive every failure on the way to its replacement: the old
// list or the complete new one, never neither, never a line lost or doubled.
#include "library/list_file.h"
#include "library/store_paths.h"
#include "store_fixture.h"

#include "../platform/child_process.h"

#include <csignal>
#include <set>
#include <sys/resource.h>
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

// The temporary files in the list folder: every name there but the lists'.
std::set<std::string> temporaryFiles() {
    std::set<std::string> names;
    for (const auto& entry : platform::listDirectory("Einstellungen")) {
        if (entry.name.size() < 4 || entry.name.substr(entry.name.size() - 4) != ".ini") {
            names.insert(entry.name);
        }
    }
    return names;
}

using testsupport::killedOutright;
using testsupport::runInChild;

// A child that ends at once, as in a power cut, when the replacement reaches `step`.
int killedAt(platform::SaveStep step, const std::vector<std::string>& lines) {
    return runInChild([&] {
        static_cast<void>(replaceListFile(List, Temp, lines, [step](platform::SaveStep reached) {
            if (reached == step) {
                ::raise(SIGKILL);
            }
        }));
    });
}

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
    EXPECT_TRUE(temporaryFiles().empty());

    // A folder where the list should be cannot be read as one either.
    ASSERT_TRUE(platform::createDirectory("Einstellungen/Ordner.ini"));
    EXPECT_FALSE(rewriteWithoutLine("Einstellungen/Ordner.ini", "Einstellungen/Ordner.tmp", ""));
    EXPECT_FALSE(sortListFile("Einstellungen/Ordner.ini"));
    EXPECT_TRUE(platform::directoryExists("Einstellungen/Ordner.ini"));
    EXPECT_TRUE(temporaryFiles().empty());
}

TEST_F(ListFaults, ATemporaryFileThatCannotBeCreatedLeavesTheList) {
    // No folder to hold it, or a file where its folder should be.
    EXPECT_FALSE(rewriteWithoutLine(List, "Einstellungen/fehlt/Kategorien.tmp", "Fenster"));
    EXPECT_FALSE(rewriteWithoutLine(List, "Einstellungen/Kategorien.ini/x.tmp", "Fenster"));
    EXPECT_EQ(readFile(List), Original);
    EXPECT_TRUE(temporaryFiles().empty());
}

TEST_F(ListFaults, ATemporaryFileThatCannotBeWrittenCompletelyLeavesTheList) {
    // A file-size limit below the list's size stands in for a full disk.
    const int status = runInChild([] {
        ::signal(SIGXFSZ, SIG_IGN);
        struct rlimit limit {
            8, 8
        };
        ::setrlimit(RLIMIT_FSIZE, &limit);
        ::_exit(rewriteWithoutLine(List, Temp, "Fenster") || sortListFile(List) ? 1 : 0);
    });
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "a replacement reported success";
    EXPECT_EQ(readFile(List), Original);
    EXPECT_TRUE(temporaryFiles().empty());
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
    EXPECT_TRUE(temporaryFiles().empty());
    EXPECT_FALSE(platform::pathExists("Einstellungen/Neu.ini"));
    // The list file itself is writable, so an addition still reaches it.
    EXPECT_TRUE(*appended);
    EXPECT_EQ(readFile(List), std::string(Original) + "Zeit\r\n");
}

TEST_F(ListFaults, ARemovalInterruptedAfterAnyStepLosesAndDoublesNothing) {
    const std::vector<std::string> without = {"Dateien", "Netz"};
    for (const auto step : {platform::SaveStep::CreateTemporary, platform::SaveStep::WriteTemporary,
                            platform::SaveStep::SyncTemporary, platform::SaveStep::RenameTemporary,
                            platform::SaveStep::SyncFolder}) {
        SCOPED_TRACE(static_cast<int>(step));
        writeFile(List, Original);
        const int status = killedAt(step, without);
        ASSERT_TRUE(killedOutright(status));
        // The process ended here: the old list is whole, or the new one is.
        EXPECT_EQ(readFile(List),
                  step == platform::SaveStep::SyncFolder ? "Dateien\r\nNetz\r\n" : Original);
        // The next run repeats the removal and finishes it, and clears the
        // temporary file the interrupted run left behind.
        EXPECT_LE(temporaryFiles().size(), 1u);
        ASSERT_TRUE(rewriteWithoutLine(List, Temp, "Fenster"));
        EXPECT_EQ(readFile(List), "Dateien\r\nNetz\r\n");
        EXPECT_EQ(temporaryFiles(), std::set<std::string>{}) << "nothing is left for good";
    }
    writeFile(List, Original);
    ASSERT_TRUE(replaceListFile(List, Temp, without));
    EXPECT_EQ(readFile(List), "Dateien\r\nNetz\r\n");
    EXPECT_TRUE(temporaryFiles().empty());
}

TEST_F(ListFaults, ASortInterruptedBeforeTheRenameKeepsTheUnsortedList) {
    writeFile(List, "b\r\na\r\n");
    const int status = killedAt(platform::SaveStep::RenameTemporary, {"a", "b"});
    ASSERT_TRUE(killedOutright(status));
    EXPECT_EQ(readFile(List), "b\r\na\r\n");
    EXPECT_EQ(temporaryFiles().size(), 1u) << "the complete temporary file was never renamed";
    ASSERT_TRUE(sortListFile(List));
    EXPECT_EQ(readFile(List), "a\r\nb\r\n");
    EXPECT_EQ(temporaryFiles(), std::set<std::string>{});
}

} // namespace
} // namespace codarium::library
