// The real executable, started on a program directory of its own and ended
// the way a desktop session ends it.
#include "default_settings_bytes.h"
#include "program_child.h"
#include "program_fixture.h"
#include "tests/support/scratch_folder.h"

#include <chrono>
#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace codarium::app {
namespace {

namespace fs = std::filesystem;
using testsupport::readBytes;
using testsupport::ScratchFolder;
using testsupport::waitUntil;
using namespace std::chrono_literals;

constexpr std::string_view DefaultFile = testsupport::DefaultSettingsFile;

// Waits until `ready` exists and the program has then waited in its event
// loop for a while without interruption: it has come up fully, and a session
// end is handled by the loop rather than in the middle of start-up.
::testing::AssertionResult cameUp(pid_t pid, const fs::path& ready) {
    if (!waitUntil([&] { return fs::exists(ready); }, 20s)) {
        return ::testing::AssertionFailure() << ready << " did not appear";
    }
    return testsupport::waitUntilIdle(pid, 100ms, 20s)
               ? ::testing::AssertionSuccess()
               : ::testing::AssertionFailure() << "the program never waited in its event loop";
}

TEST(ProgramRun, FirstStartThenSessionEndLeavesTheStoreAndTheDefaultSettings) {
    ScratchFolder programDir;
    ScratchFolder appData;
    ScratchFolder elsewhere;
    testsupport::installProgram(programDir.path());

    // Started from another directory: the program finds its own.
    testsupport::WorkingDirectoryGuard guard;
    fs::current_path(elsewhere.path());
    const pid_t pid = testsupport::startProgram(
        programDir.path() / "Codarium", {"APPDATA", "QT_QPA_PLATFORM"},
        {"APPDATA=" + appData.path().string(), "QT_QPA_PLATFORM=offscreen"});
    ASSERT_NE(pid, 0);

    const fs::path settings = appData.path() / "Marvolt/Codarium/Einstellungen.ini";
    EXPECT_TRUE(cameUp(pid, settings));
    ASSERT_EQ(::kill(pid, SIGTERM), 0);
    auto status = testsupport::waitForExit(pid, std::chrono::seconds(15));
    if (!status) {
        ::kill(pid, SIGKILL);
        testsupport::waitForExit(pid, std::chrono::seconds(5));
        FAIL() << "the program did not end after SIGTERM";
    }
    ASSERT_TRUE(WIFEXITED(*status));
    EXPECT_EQ(WEXITSTATUS(*status), 0);

    EXPECT_TRUE(fs::is_directory(programDir.path() / "Codes"));
    EXPECT_TRUE(fs::is_directory(programDir.path() / "Einstellungen"));
    ASSERT_TRUE(fs::is_regular_file(programDir.path() / "Einstellungen/Kategorien.ini"));
    EXPECT_EQ(fs::file_size(programDir.path() / "Einstellungen/Kategorien.ini"), 0u);
    EXPECT_EQ(readBytes(settings.string()), DefaultFile);
    EXPECT_FALSE(fs::exists(programDir.path() / "Einstellungen.ini"));
}

// Starts the program with this process's environment less the variables
// named in `drop`, plus `add`; waits until `ready` exists and the program has
// come up, then ends it as a desktop session does. False when it does not
// come up or end with 0.
::testing::AssertionResult runUntilSessionEnd(const fs::path& exe, const fs::path& ready,
                                              const std::vector<std::string>& drop,
                                              const std::vector<std::string>& add) {
    const pid_t pid = testsupport::startProgram(exe, drop, add);
    if (pid == 0) {
        return ::testing::AssertionFailure() << "cannot start " << exe;
    }
    auto up = cameUp(pid, ready);
    ::kill(pid, SIGTERM);
    const auto status = testsupport::waitForExit(pid, std::chrono::seconds(15));
    if (!status) {
        ::kill(pid, SIGKILL);
        testsupport::waitForExit(pid, std::chrono::seconds(5));
        return ::testing::AssertionFailure() << "the program did not end after SIGTERM";
    }
    if (!up) {
        return up;
    }
    if (!WIFEXITED(*status) || WEXITSTATUS(*status) != 0) {
        return ::testing::AssertionFailure() << "wait status " << *status;
    }
    return ::testing::AssertionSuccess();
}

TEST(ProgramRun, AFreshAccountKeepsItsSettingsFromOneStartToTheNext) {
    // A new account: an empty home, no ~/.config, no APPDATA, no
    // XDG_CONFIG_HOME.
    ScratchFolder programDir;
    ScratchFolder home;
    testsupport::installProgram(programDir.path());
    const fs::path exe = programDir.path() / "Codarium";
    const fs::path settings = home.path() / ".config/Marvolt/Codarium/Einstellungen.ini";
    const std::vector<std::string> drop = {"APPDATA", "XDG_CONFIG_HOME", "HOME", "QT_QPA_PLATFORM"};
    const std::vector<std::string> add = {"HOME=" + home.path().string(),
                                          "QT_QPA_PLATFORM=offscreen"};

    ASSERT_TRUE(runUntilSessionEnd(exe, settings, drop, add));
    // The first start made the folders, private to the user, and the
    // default file; the exit wrote the same settings back.
    EXPECT_EQ(readBytes(settings.string()), DefaultFile);
    for (const char* made : {".config", ".config/Marvolt", ".config/Marvolt/Codarium"}) {
        const auto perms = fs::status(home.path() / made).permissions();
        EXPECT_EQ(perms & (fs::perms::group_all | fs::perms::others_all), fs::perms::none) << made;
    }

    // What the user changed in a run comes back at the next start and is
    // written again at its exit.
    testsupport::writeBytes(settings.string(), "[Einstellungen]\r\nPBPfad = 0\r\n"
                                               "Fensterbreite = 700\r\nFensterhoehe = 500\r\n"
                                               "Splitterposition = 260\r\n"
                                               "ToolBar_Icongroesse = 24\r\n");
    ASSERT_TRUE(runUntilSessionEnd(exe, settings, drop, add));
    const auto stored = testsupport::readStored(settings.string());
    EXPECT_EQ(stored.editorPath, "0");
    EXPECT_EQ(stored.width, 700);
    EXPECT_EQ(stored.height, 500);
    EXPECT_EQ(stored.state, 0);
    EXPECT_EQ(stored.splitter, 260);
    EXPECT_EQ(stored.iconSize, 24);
    EXPECT_EQ(stored.admin, 0);
    EXPECT_EQ(stored.wrap, 0);
    EXPECT_FALSE(fs::exists(programDir.path() / "Einstellungen.ini"));
}

// Every path below `root` that holds a "?", which a name that lost its
// characters on the way through the code page would.
std::vector<std::string> questionMarkPaths(const fs::path& root) {
    std::vector<std::string> found;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (entry.path().string().find('?') != std::string::npos) {
            found.push_back(entry.path().string());
        }
    }
    return found;
}

TEST(ProgramRun, HomeProgramDirectoryAndTempFolderBeyondTheCodePage) {
    // Users' names and folders in Polish, Cyrillic and Japanese, and with an
    // emoji: none of them can be written in Windows-1252.
    const struct {
        const char* home;
        const char* programParent;
        const char* temp;
    } cases[] = {
        {"\xC5\x81ukasz",
         "\xD0\x9F\xD1\x80\xD0\xBE\xD0\xB3\xD1\x80\xD0\xB0\xD0\xBC\xD0\xBC\xD1\x8B",
         "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E"},
        {"Anna \xF0\x9F\x98\x80", "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E",
         "\xC5\x81\xC3\xB3"
         "d\xC5\xBA"},
    };
    for (const auto& c : cases) {
        ScratchFolder root;
        const fs::path home = root.path() / c.home;
        const fs::path programDir = home / c.programParent / "Codarium";
        const fs::path temp = root.path() / c.temp;
        fs::create_directories(programDir);
        fs::create_directories(temp);
        testsupport::installProgram(programDir);
        const fs::path exe = programDir / "Codarium";
        const fs::path settings = home / ".config/Marvolt/Codarium/Einstellungen.ini";
        const std::vector<std::string> drop = {"APPDATA", "XDG_CONFIG_HOME", "XDG_DATA_HOME",
                                               "HOME",    "TMPDIR",          "QT_QPA_PLATFORM"};
        const std::vector<std::string> add = {"HOME=" + home.string(), "TMPDIR=" + temp.string(),
                                              "QT_QPA_PLATFORM=offscreen"};

        ASSERT_TRUE(runUntilSessionEnd(exe, settings, drop, add)) << c.home;
        // The settings went to the real home, the library store was made in
        // the program directory itself, and no per-user copy was made for a
        // directory the user can write.
        EXPECT_EQ(readBytes(settings.string()), DefaultFile) << c.home;
        EXPECT_TRUE(fs::is_regular_file(programDir / "Einstellungen/Kategorien.ini")) << c.home;
        EXPECT_TRUE(fs::is_directory(programDir / "Codes")) << c.home;
        EXPECT_FALSE(fs::exists(home / ".local/share/Marvolt")) << c.home;
        EXPECT_EQ(questionMarkPaths(root.path()), std::vector<std::string>()) << c.home;

        // An editor path beyond the code page is read at the next start and
        // written back whole, the file staying UTF-8 with its mark.
        const std::string editor = (home / "\xE6\x97\xA5/purebasic").string();
        const std::string stored = "\xEF\xBB\xBF[Einstellungen]\r\nPBPfad = " + editor +
                                   "\r\nFensterbreite = 700\r\nFensterhoehe = 500\r\n";
        testsupport::writeBytes(settings.string(), stored);
        ASSERT_TRUE(runUntilSessionEnd(exe, settings, drop, add)) << c.home;
        const auto back = testsupport::readStored(settings.string());
        EXPECT_EQ(back.editorPath, editor);
        EXPECT_EQ(back.width, 700);
        EXPECT_EQ(back.height, 500);
        EXPECT_TRUE(readBytes(settings.string()).starts_with("\xEF\xBB\xBF")) << c.home;
        EXPECT_FALSE(fs::exists(home / ".local/share/Marvolt")) << c.home;
        EXPECT_EQ(questionMarkPaths(root.path()), std::vector<std::string>()) << c.home;
    }
}

} // namespace
} // namespace codarium::app
