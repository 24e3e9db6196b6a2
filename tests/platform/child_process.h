#pragma once
// Running a piece of a test in a child process, for tests that end a process
// on purpose (a kill at a chosen step, a file-size limit) and then look at
// what it left on disk.
#include <csignal>
#include <functional>
#include <sys/wait.h>
#include <unistd.h>

namespace codarium::testsupport {

// Runs work in a child that exits with 0 after it; returns the wait status.
inline int runInChild(const std::function<void()>& work) {
    const pid_t child = ::fork();
    if (child == 0) {
        work();
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return status;
}

inline bool killedOutright(int status) {
    return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
}

} // namespace codarium::testsupport
