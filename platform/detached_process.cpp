#include "platform/detached_process.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace codarium::platform {
namespace {

#ifndef CLOSE_RANGE_CLOEXEC
#define CLOSE_RANGE_CLOEXEC (1U << 2)
#endif

// Runs between fork and exec: only async-signal-safe calls from here on.
[[noreturn]] void failChild(int reportFd) {
    const int error = errno;
    [[maybe_unused]] const ssize_t n = ::write(reportFd, &error, sizeof error);
    ::_exit(127);
}

[[noreturn]] void execGrandchild(const char* executable, char* const* argv, const char* directory,
                                 int reportFd, int descriptorLimit) {
    sigset_t none;
    sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
    struct sigaction defaults {};
    defaults.sa_handler = SIG_DFL;
    for (int sig = 1; sig < NSIG; ++sig) {
        ::sigaction(sig, &defaults, nullptr); // fails harmlessly for SIGKILL, SIGSTOP
    }
    if (directory != nullptr && ::chdir(directory) != 0) {
        failChild(reportFd);
    }
#ifdef SYS_close_range
    if (::syscall(SYS_close_range, 3U, ~0U, CLOSE_RANGE_CLOEXEC) != 0)
#endif
    {
        for (int fd = 3; fd < descriptorLimit; ++fd) {
            if (fd != reportFd) {
                ::fcntl(fd, F_SETFD, FD_CLOEXEC);
            }
        }
    }
    ::execve(executable, argv, environ);
    failChild(reportFd);
}

} // namespace

bool isExecutableFile(const std::string& nativePath) {
    struct stat st {};
    return ::stat(nativePath.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
           ::access(nativePath.c_str(), X_OK) == 0;
}

bool startDetached(const std::string& executable, const std::vector<std::string>& argv,
                   const std::string& workingDirectory) {
    std::vector<char*> args;
    args.reserve(argv.size() + 1);
    for (const std::string& arg : argv) {
        args.push_back(const_cast<char*>(arg.c_str()));
    }
    args.push_back(nullptr);
    const char* directory = workingDirectory.empty() ? nullptr : workingDirectory.c_str();
    struct rlimit limit {};
    int descriptorLimit = 1024;
    if (::getrlimit(RLIMIT_NOFILE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY) {
        descriptorLimit = static_cast<int>(std::min<rlim_t>(limit.rlim_cur, 65536));
    }

    // Exec closes the write end (close-on-exec); anything read from the pipe
    // is the errno of a step that failed.
    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0) {
        return false;
    }
    const pid_t child = ::fork();
    if (child < 0) {
        ::close(report[0]);
        ::close(report[1]);
        return false;
    }
    if (child == 0) {
        ::close(report[0]);
        ::setsid();
        const pid_t grandchild = ::fork();
        if (grandchild < 0) {
            failChild(report[1]);
        }
        if (grandchild > 0) {
            ::_exit(0); // the grandchild is adopted by init, which reaps it
        }
        execGrandchild(executable.c_str(), args.data(), directory, report[1], descriptorLimit);
    }
    ::close(report[1]);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    int error = 0;
    ssize_t n = 0;
    do {
        n = ::read(report[0], &error, sizeof error);
    } while (n < 0 && errno == EINTR);
    ::close(report[0]);
    return n == 0;
}

} // namespace codarium::platform
