// Times the clearing after updates that every program start runs, on a
// program directory with no journal, against the walk of the whole tree
// the updater does, and prints the medians in milliseconds:
//   leftovers_bench DIR REPS -> "<start> <whole tree> <entries>"
#include "online/update_leftovers.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <vector>

namespace {

using codarium::online::cleanUpAfterUpdates;
using codarium::online::LeftoverScope;

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

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: leftovers_bench DIR REPS\n");
        return 2;
    }
    const std::string dir = argv[1];
    const int reps = std::max(1, std::atoi(argv[2]));
    std::size_t entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::recursive_directory_iterator(dir)) {
        ++entries;
    }
    const double start = median(reps, [&] { cleanUpAfterUpdates(dir); });
    const double whole =
        median(reps, [&] { cleanUpAfterUpdates(dir, LeftoverScope::WholeDirectory); });
    std::printf("%.3f %.3f %zu\n", start, whole, entries);
    return 0;
}
