#pragma once
// The real executable as a child process: started with an environment of its
// own, watched until it is idle and waited for with a limit.
#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace codarium::testsupport {

// Starts `exe` with this process's environment less the variables named in
// `drop`, plus `add` ("NAME=value"), in `workingDirectory` unless that is
// empty; 0 when it cannot be started.
pid_t startProgram(const std::filesystem::path& exe, const std::vector<std::string>& drop,
                   const std::vector<std::string>& add,
                   const std::filesystem::path& workingDirectory = {});

// Waits at most `limit` for the child; its wait status, or nothing.
std::optional<int> waitForExit(pid_t pid, std::chrono::milliseconds limit);

// Waits at most `limit` until the child's main thread has waited in poll,
// as its event loop does when nothing is pending, for about `quiet` without
// interruption: it waits for the user. False when it never settles.
bool waitUntilIdle(pid_t pid, std::chrono::milliseconds quiet, std::chrono::milliseconds limit);

// Waits at most `limit` until the child's main thread has waited in poll,
// as its event loop does with nothing to do, for `quiet` without a break: it
// has come up fully. False when it never does.
bool waitUntilInEventLoop(pid_t pid, std::chrono::milliseconds quiet,
                          std::chrono::milliseconds limit);

// Kills a child that is still running and reaps it.
void killProgram(pid_t pid);

// A program directory with the built executable, the plug-in and the icons,
// and the server configuration unless told otherwise.
void installProgram(const std::filesystem::path& dir, bool withServerConfig = true);

} // namespace codarium::testsupport
