// Times fileFingerprint over every file below a folder against md5sum on
// the same files, both in the same run, and prints the medians in
// milliseconds:
//   fingerprint_bench DIR REPS -> "<ours> <md5sum> <files> <bytes>"
// Paths are relative to DIR (the working directory), as the update check
// uses them.
#include "online/file_fingerprint.h"
#include "platform/paths.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;

double millisecondsOf(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

double median(int reps, const std::function<void()>& work) {
    work(); // warm caches
    std::vector<double> times;
    for (int i = 0; i < reps; ++i) {
        times.push_back(millisecondsOf(work));
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// md5sum over all files in one process, its output thrown away.
void runMd5sum(const std::vector<std::string>& files) {
    std::vector<char*> argv;
    static char tool[] = "md5sum";
    argv.push_back(tool);
    for (const auto& f : files) {
        argv.push_back(const_cast<char*>(f.c_str()));
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0) {
        int status = 0;
        waitpid(pid, &status, 0);
    }
    posix_spawn_file_actions_destroy(&actions);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: fingerprint_bench DIR REPS\n");
        return 2;
    }
    fs::current_path(argv[1]);
    const int reps = std::max(1, std::atoi(argv[2]));
    std::vector<std::string> files;    // native names, for md5sum
    std::vector<std::string> programs; // the same as program text
    std::uintmax_t bytes = 0;
    for (const auto& entry : fs::recursive_directory_iterator(".")) {
        if (entry.is_regular_file()) {
            files.push_back(entry.path().lexically_normal().string());
            bytes += entry.file_size();
        }
    }
    std::sort(files.begin(), files.end());
    for (const auto& f : files) {
        programs.push_back(std::string(f));
    }

    std::size_t digestLength = 0;
    const double ours = median(reps, [&] {
        // One buffer for the whole run, as the update check has it.
        codarium::online::FingerprintBuffer buffer;
        digestLength = 0;
        for (const auto& f : programs) {
            digestLength += codarium::online::fileFingerprint(f, buffer).size();
        }
    });
    if (digestLength != 32 * files.size()) {
        std::fprintf(stderr, "fingerprint_bench: a file could not be read\n");
        return 1;
    }
    const double tool = median(reps, [&] { runMd5sum(files); });
    std::printf("%.3f %.3f %zu %ju\n", ours, tool, files.size(), bytes);
    return 0;
}
