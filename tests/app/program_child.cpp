#include "program_child.h"

#include <algorithm>
#include <csignal>
#include <fstream>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <thread>

extern char** environ;

namespace codarium::testsupport {
namespace {

// Whether the process's main thread waits in poll, as its event loop does
// when every start-up step is done and no event is pending.
bool waitsInPoll(pid_t pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/syscall");
    long number = -1;
    if (!(in >> number)) {
        return false; // "running", or the process is gone
    }
#ifdef SYS_poll
    if (number == SYS_poll) {
        return true;
    }
#endif
    return number == SYS_ppoll;
}

} // namespace

pid_t startProgram(const std::filesystem::path& exe, const std::vector<std::string>& drop,
                   const std::vector<std::string>& add,
                   const std::filesystem::path& workingDirectory) {
    std::vector<std::string> env;
    for (char** e = environ; *e != nullptr; ++e) {
        const std::string_view v(*e);
        const bool dropped = std::any_of(drop.begin(), drop.end(), [&](const std::string& name) {
            return v.starts_with(name + "=");
        });
        if (!dropped) {
            env.emplace_back(v);
        }
    }
    env.insert(env.end(), add.begin(), add.end());
    std::vector<char*> envp;
    for (std::string& e : env) {
        envp.push_back(e.data());
    }
    envp.push_back(nullptr);
    std::string path = exe.string();
    char* argv[] = {path.data(), nullptr};
    posix_spawn_file_actions_t actions;
    ::posix_spawn_file_actions_init(&actions);
    if (!workingDirectory.empty()) {
        ::posix_spawn_file_actions_addchdir_np(&actions, workingDirectory.c_str());
    }
    pid_t pid = 0;
    const int started = ::posix_spawn(&pid, path.c_str(), &actions, nullptr, argv, envp.data());
    ::posix_spawn_file_actions_destroy(&actions);
    return started == 0 ? pid : 0;
}

std::optional<int> waitForExit(pid_t pid, std::chrono::milliseconds limit) {
    const auto until = std::chrono::steady_clock::now() + limit;
    do {
        int status = 0;
        if (::waitpid(pid, &status, WNOHANG) == pid) {
            return status;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    } while (std::chrono::steady_clock::now() < until);
    return std::nullopt;
}

bool waitUntilIdle(pid_t pid, std::chrono::milliseconds quiet, std::chrono::milliseconds limit) {
    constexpr auto Look = std::chrono::milliseconds(5);
    const auto until = std::chrono::steady_clock::now() + limit;
    auto idleSince = std::chrono::steady_clock::now();
    bool idle = false;
    while (std::chrono::steady_clock::now() < until) {
        if (!waitsInPoll(pid)) {
            idle = false;
        } else if (!idle) {
            idle = true;
            idleSince = std::chrono::steady_clock::now();
        } else if (std::chrono::steady_clock::now() - idleSince >= quiet) {
            return true;
        }
        std::this_thread::sleep_for(Look);
    }
    return false;
}

bool waitUntilInEventLoop(pid_t pid, std::chrono::milliseconds quiet,
                          std::chrono::milliseconds limit) {
    const auto until = std::chrono::steady_clock::now() + limit;
    // The time polling began; the epoch while it is not polling.
    std::chrono::steady_clock::time_point since{};
    while (std::chrono::steady_clock::now() < until) {
        std::ifstream in("/proc/" + std::to_string(pid) + "/syscall");
        long number = -1;
        // "running" or a process that has gone reads as no number.
        const bool polling = static_cast<bool>(in >> number) &&
#ifdef SYS_poll
                             (number == SYS_poll || number == SYS_ppoll);
#else
                             number == SYS_ppoll;
#endif
        if (!polling) {
            since = {};
        } else if (since == std::chrono::steady_clock::time_point{}) {
            since = std::chrono::steady_clock::now();
        } else if (std::chrono::steady_clock::now() - since >= quiet) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return false;
}

void killProgram(pid_t pid) {
    if (!waitForExit(pid, std::chrono::milliseconds(0))) {
        ::kill(pid, SIGKILL);
        waitForExit(pid, std::chrono::seconds(5));
    }
}

void installProgram(const std::filesystem::path& dir, bool withServerConfig) {
    namespace fs = std::filesystem;
    const fs::path built(CODARIUM_PROGRAM_DIR);
    fs::copy_file(built / "Codarium", dir / "Codarium");
    fs::copy_file(built / "SyntaxHilighting.so", dir / "SyntaxHilighting.so");
    fs::copy(fs::path(CODARIUM_SOURCE_DIR) / "data/Grafiken", dir / "Grafiken");
    if (withServerConfig) {
        fs::copy_file(fs::path(CODARIUM_SOURCE_DIR) / "data/Konfiguration.ini",
                      dir / "Konfiguration.ini");
    }
}

} // namespace codarium::testsupport
