// Opens a preferences file, changes one key and writes the file back; with a
// repetition count, does so that many times in this process and prints the
// median time of one round in milliseconds (the program's libraries are then
// loaded once, as they are in the running program).
#include "runtime/prefs_file.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

bool changeOnce(const char* path, const char* group, const char* key) {
    codarium::PrefsFile prefs;
    if (!prefs.openFile(path) || !prefs.selectGroup(group)) {
        return false;
    }
    // Alternates between two values, so that every round really changes it.
    const int old = prefs.readInteger(key, 0);
    prefs.writeInteger(key, old == 1 ? 2 : 1);
    prefs.close();
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4 && argc != 5) {
        std::fprintf(stderr, "usage: bench_prefs FILE GROUP KEY [REPETITIONS]\n");
        return 2;
    }
    const int reps = argc == 5 ? std::max(1, std::atoi(argv[4])) : 1;
    std::vector<double> ms;
    for (int i = 0; i < reps; ++i) {
        const auto t0 = std::chrono::steady_clock::now();
        if (!changeOnce(argv[1], argv[2], argv[3])) {
            std::fprintf(stderr, "bench_prefs: cannot open %s or group %s\n", argv[1], argv[2]);
            return 1;
        }
        ms.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0)
                .count());
    }
    if (argc == 5) {
        std::sort(ms.begin(), ms.end());
        const std::size_t n = ms.size();
        std::printf("%.3f\n", n % 2 ? ms[n / 2] : (ms[n / 2 - 1] + ms[n / 2]) / 2);
    }
    return 0;
}
