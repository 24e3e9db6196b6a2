// Times the library's own work in process against real tools doing the same
// job, both in the same run, and prints the medians in milliseconds:
//   library_bench tree-fill DIR REPS          -> "<ours> <cat>"
//   library_bench search DIR WORD REPS
//     -> "<ours> <grep> <rg -j1> <rg, default threads> <floor> <hits>"
//   library_bench api-calls DIR REPS          -> "<ours> <read> <calls>"
#include "highlighter/api_calls.h"
#include "library/library_contents.h"
#include "library/library_tree.h"
#include "library/list_file.h"
#include "library/search_core.h"
#include "library/store_paths.h"
#include "platform/file_system.h"
#include "platform/paths.h"
#include "widgets/test_hooks.h"
#include "widgets/tree_gadget.h"
#include "widgets/windows.h"

#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>
#include <vector>

extern char** environ;

namespace {

using namespace codarium;

double millisecondsOf(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

double middleOf(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// The median time of `work`, each run after an untimed `prepare`.
double median(
    int reps, const std::function<void()>& work, const std::function<void()>& prepare = [] {}) {
    prepare();
    work(); // warm caches
    std::vector<double> times;
    for (int i = 0; i < reps; ++i) {
        prepare();
        times.push_back(millisecondsOf(work));
    }
    return middleOf(std::move(times));
}

// Runs a tool with its output thrown away and waits for it.
void runTool(const std::vector<std::string>& args) {
    std::vector<char*> argv;
    for (const auto& a : args) {
        argv.push_back(const_cast<char*>(a.c_str()));
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

int treeFill(int reps) {
    int argc = 1;
    char name[] = "library_bench";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    widgets::openWindow(0, 0, 0, 800, 600, "bench", widgets::MainWindowFlags);
    widgets::treeGadget(3, 0, 0, 0, 300, 600);
    widgets::showWindow(0, true);
    widgets::testing::processPendingEvents();
    int items = 0;
    const double ours = median(
        reps,
        [&] {
            library::fillLibraryTree(3);
            widgets::testing::processPendingEvents();
            items = widgets::treeItemCount(3);
        },
        [] {
            widgets::clearTree(3);
            widgets::testing::processPendingEvents();
        });
    std::vector<std::string> cat = {"cat", std::string(library::categoryListPath())};
    for (const auto& line : library::readLines(library::categoryListPath())) {
        cat.push_back(std::string(library::codeListPath(line)));
    }
    const double tool = median(reps, [&] { runTool(cat); });
    std::printf("%.3f %.3f %d\n", ours, tool, items);
    return 0;
}

int search(const std::string& word, int reps) {
    std::size_t hits = 0;
    const double ours = median(reps, [&] { hits = library::searchCodes("Codes", word).size(); });
    // The same search without the matching lines of the rows' tooltips.
    const double noLines = median(reps, [&] {
        hits = library::searchCodes("Codes", word, library::MatchLines::Skipped).size();
    });
    const double grep = median(reps, [&] { runTool({"grep", "-rilF", word, "Codes"}); });
    const double rg = median(reps, [&] {
        runTool({"rg", "-j1", "-i", "-F", "-l", word, "Codes"});
    });
    const double rgThreads = median(reps, [&] {
        runTool({"rg", "-i", "-F", "-l", word, "Codes"});
    });
    // The floor: only reading every file, nothing searched.
    std::vector<char> buffer(1 << 16);
    const std::function<void(const std::string&)> readAll = [&](const std::string& dir) {
        for (const auto& e : platform::listDirectory(dir)) {
            const std::string path = platform::joinPath(dir, e.name);
            if (e.isDirectory) {
                readAll(path);
                continue;
            }
            const int fd = ::open(std::string(path).c_str(), O_RDONLY);
            if (fd >= 0) {
                while (::read(fd, buffer.data(), buffer.size()) > 0) {
                }
                ::close(fd);
            }
        }
    };
    const double floor = median(reps, [&] { readAll("Codes"); });
    std::printf("%.3f %.3f %.3f %.3f %.3f %zu %.3f\n", ours, grep, rg, rgThreads, floor, hits,
                noLines);
    return 0;
}

// Every file below `dir`, read as the search reads it (by name in its
// folder's handle, into one buffer that only grows), handed to `use`.
void forEachCode(const std::string& dir, std::string& buffer,
                 const std::function<void(std::string_view)>& use) {
    const int folder = platform::openDirectoryHandle(dir);
    for (const auto& e : platform::listDirectory(dir)) {
        if (e.isDirectory) {
            forEachCode(platform::joinPath(dir, e.name), buffer, use);
        } else if (const auto length = platform::readFileIn(folder, e.name, buffer)) {
            use(std::string_view(buffer.data(), *length));
        }
    }
    platform::closeDirectoryHandle(folder);
}

// The API calls of every code against reading the same files and nothing
// more, both on one thread. The two alternate, so that what drifts during
// the run (the clock, the cache) falls on both alike.
int apiCalls(int reps) {
    std::size_t calls = 0;
    std::size_t bytes = 0;
    std::string buffer;
    const auto findCalls = [&] {
        calls = 0;
        forEachCode("Codes", buffer,
                    [&](std::string_view code) { calls += highlighter::apiCallsOf(code).size(); });
    };
    const auto readOnly = [&] {
        bytes = 0;
        forEachCode("Codes", buffer, [&](std::string_view code) { bytes += code.size(); });
    };
    findCalls(); // warm caches
    readOnly();
    std::vector<double> ours;
    std::vector<double> read;
    for (int i = 0; i < reps; ++i) {
        ours.push_back(millisecondsOf(findCalls));
        read.push_back(millisecondsOf(readOnly));
    }
    std::printf("%.3f %.3f %zu\n", middleOf(ours), middleOf(read), calls);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 4 || !platform::setCurrentDirectory(argv[2])) {
        std::fprintf(stderr, "usage: library_bench tree-fill DIR REPS | search DIR WORD REPS | "
                             "api-calls DIR REPS\n");
        return 2;
    }
    const std::string mode = argv[1];
    if (mode == "tree-fill") {
        return treeFill(std::atoi(argv[3]));
    }
    if (mode == "api-calls") {
        return apiCalls(std::atoi(argv[3]));
    }
    if (mode == "search" && argc >= 5) {
        return search(argv[3], std::atoi(argv[4]));
    }
    return 2;
}
