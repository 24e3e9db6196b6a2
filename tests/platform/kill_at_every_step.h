#pragma once
// Crash consistency: an operation run again and again in a child process
// that is killed outright (SIGKILL, as in a power cut) at its first step,
// then at its second, and so on, until a child gets through every step.
// After each run the test looks at what the killed child left on disk.
#include "child_process.h"
#include "platform/atomic_save.h"

#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <string>

namespace codarium::testsupport {

// Marks one step of the operation; the child dies at the chosen one.
using StepMark = std::function<void()>;

// Runs operation(mark) after reset() in a child killed at mark n, for
// n = 1, 2, ...; check(n, finished) follows each child, with finished true
// for the one that reached its end. Returns the number of steps, or -1 when
// no child finished within maxSteps.
inline int killAtEveryStep(const std::function<void()>& reset,
                           const std::function<void(const StepMark&)>& operation,
                           const std::function<void(int n, bool finished)>& check,
                           int maxSteps = 200) {
    for (int n = 1; n <= maxSteps; ++n) {
        reset();
        const int status = runInChild([&] {
            int seen = 0;
            operation([&] {
                if (++seen == n) {
                    ::raise(SIGKILL);
                }
            });
        });
        const bool finished = WIFEXITED(status) && WEXITSTATUS(status) == 0;
        EXPECT_TRUE(finished || killedOutright(status)) << "step " << n << ": status " << status;
        check(n, finished);
        if (finished) {
            return n - 1;
        }
    }
    return -1;
}

// The same for an operation whose steps are the steps of the saves it makes.
inline int killAtEverySaveStep(const std::function<void()>& reset,
                               const std::function<void()>& operation,
                               const std::function<void(int n, bool finished)>& check) {
    return killAtEveryStep(
        reset,
        [&](const StepMark& mark) {
            platform::setSaveStepObserver([&mark](platform::SaveStep) { mark(); });
            operation();
        },
        check);
}

// Every file below root, by its path relative to root, with its bytes.
using FolderFiles = std::map<std::string, std::string>;
inline FolderFiles folderFiles(const std::filesystem::path& root) {
    FolderFiles files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
        if (entry.is_regular_file()) {
            std::ifstream in(entry.path(), std::ios::binary);
            files[std::filesystem::relative(entry.path(), root).generic_string()] = {
                std::istreambuf_iterator<char>(in), {}};
        }
    }
    return files;
}

// What a whole-file rewrite may leave when killed: each file it rewrites
// holds, in full, its old bytes (from before) or its new ones (from
// rewritten), every other file is as it was, and the only new files are
// temporaries (names holding temporaryMark), none once it finished.
inline void expectOldOrNew(const FolderFiles& before, const FolderFiles& rewritten,
                           const FolderFiles& after, bool finished,
                           const std::string& temporaryMark = ".tmp") {
    for (const auto& [name, bytes] : after) {
        const auto old = before.find(name);
        const auto fresh = rewritten.find(name);
        if (fresh != rewritten.end()) {
            EXPECT_TRUE(bytes == fresh->second || (old != before.end() && bytes == old->second))
                << name << " is neither old nor new: " << bytes;
            EXPECT_TRUE(!finished || bytes == fresh->second) << name << " after the end";
        } else if (old != before.end()) {
            EXPECT_EQ(bytes, old->second) << name << " was not to change";
        } else {
            EXPECT_NE(name.find(temporaryMark), std::string::npos) << name << " is new";
            EXPECT_FALSE(finished) << name << " is left after the end";
        }
    }
    for (const auto& [name, bytes] : before) {
        EXPECT_TRUE(after.count(name) == 1) << name << " was lost";
    }
}

} // namespace codarium::testsupport
