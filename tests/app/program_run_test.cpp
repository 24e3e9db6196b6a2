// The real executable, started on a program directory of its own and ended
// the way a desktop session ends it.
#include "default_settings_bytes.h"
#include "scratch_folder.h"

#include <chrono>
#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace codarium::app {
namespace {

namespace fs = std::filesystem;
using testsupport::readBytes;
using testsupport::ScratchFolder;

constexpr std::string_view DefaultFile = testsupport::DefaultSettingsFile;

// Waits at most `limit` for the child; its wait status, or nothing.
std::optional<int> waitFor(pid_t pid, std::chrono::milliseconds limit) {
    const auto until = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < until) {
        int status = 0;
        if (::waitpid(pid, &status, WNOHANG) == pid) {
            return status;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return std::nullopt;
}

TEST(ProgramRun, FirstStartThenSessionEndLeavesTheStoreAndTheDefaultSettings) {
    ScratchFolder programDir;
    ScratchFolder appData;
    ScratchFolder elsewhere;
    const fs::path built(CODARIUM_PROGRAM_DIR);
    fs::copy_file(built / "Codarium", programDir.path() / "Codarium");
    fs::copy_file(built / "SyntaxHilighting.so", programDir.path() / "SyntaxHilighting.so");
    fs::copy_file(fs::path(CODARIUM_SOURCE_DIR) / "data/Konfiguration.ini",
                  programDir.path() / "Konfiguration.ini");
    fs::copy(fs::path(CODARIUM_SOURCE_DIR) / "data/Grafiken", programDir.path() / "Grafiken");

    std::vector<std::string> env;
    for (char** e = environ; *e != nullptr; ++e) {
        const std::string_view v(*e);
        if (!v.starts_with("APPDATA=") && !v.starts_with("QT_QPA_PLATFORM=")) {
            env.emplace_back(v);
        }
    }
    env.push_back("APPDATA=" + appData.path().string());
    env.push_back("QT_QPA_PLATFORM=offscreen");
    std::vector<char*> envp;
    for (std::string& s : env) {
        envp.push_back(s.data());
    }
    envp.push_back(nullptr);
    std::string exe = (programDir.path() / "Codarium").string();
    char* argv[] = {exe.data(), nullptr};

    // Started from another directory: the program finds its own.
    testsupport::WorkingDirectoryGuard guard;
    fs::current_path(elsewhere.path());
    pid_t pid = 0;
    ASSERT_EQ(::posix_spawn(&pid, exe.c_str(), nullptr, nullptr, argv, envp.data()), 0);

    const fs::path settings = appData.path() / "Marvolt/Codarium/Einstellungen.ini";
    for (int i = 0; i < 200 && !fs::exists(settings); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    std::this_thread::sleep_for(std::chrono::seconds(2));
    ASSERT_EQ(::kill(pid, SIGTERM), 0);
    auto status = waitFor(pid, std::chrono::seconds(15));
    if (!status) {
        ::kill(pid, SIGKILL);
        waitFor(pid, std::chrono::seconds(5));
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

} // namespace
} // namespace codarium::app
