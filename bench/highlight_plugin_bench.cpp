// Colours a document through the built SyntaxHilighting plug-in, loaded by
// path as the code view loads it, and prints the median seconds of one pass.
//
// usage: highlight_plugin_bench PLUGIN DOCUMENT [PASSES]
#include <dlfcn.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

using Callback = int (*)(const char*, int, int);
using Highlight = void (*)(const char*, int, Callback, int);

struct Totals {
    long runs = 0;
    long bytes = 0;
};

Totals& totals() {
    static Totals t;
    return t;
}

// Does what the view's callback does per run: a little bookkeeping.
int countRun(const char*, int length, int) {
    ++totals().runs;
    totals().bytes += length;
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s PLUGIN DOCUMENT [PASSES]\n", argv[0]);
        return 2;
    }
    void* library = dlopen(argv[1], RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
        std::fprintf(stderr, "%s\n", dlerror());
        return 1;
    }
    auto highlight = reinterpret_cast<Highlight>(dlsym(library, "SyntaxHighlight"));
    if (highlight == nullptr) {
        std::fprintf(stderr, "no SyntaxHighlight in %s\n", argv[1]);
        return 1;
    }
    std::ifstream in(argv[2], std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (text.empty()) {
        std::fprintf(stderr, "cannot read %s\n", argv[2]);
        return 1;
    }
    const int passes = argc > 3 ? std::max(1, std::atoi(argv[3])) : 21;

    highlight(text.c_str(), static_cast<int>(text.size()), &countRun, 0); // warm-up
    std::vector<double> seconds;
    for (int i = 0; i < passes; ++i) {
        totals() = Totals{};
        const auto t0 = std::chrono::steady_clock::now();
        highlight(text.c_str(), static_cast<int>(text.size()), &countRun, 0);
        const auto t1 = std::chrono::steady_clock::now();
        seconds.push_back(std::chrono::duration<double>(t1 - t0).count());
        if (totals().bytes != static_cast<long>(text.size())) {
            std::fprintf(stderr, "runs cover %ld of %zu bytes\n", totals().bytes, text.size());
            return 1;
        }
    }
    std::sort(seconds.begin(), seconds.end());
    std::printf("%.9f\n", seconds[seconds.size() / 2]);
    std::fprintf(stderr, "%zu bytes, %ld runs per pass\n", text.size(), totals().runs);
    return 0;
}
