// http_download_bench DESTINATION URL...: downloads each URL in turn into
// DESTINATION; exits non-zero when one fails or stores nothing.
#include "runtime/http_download.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: http_download_bench DESTINATION URL...\n");
        return 2;
    }
    for (int i = 2; i < argc; ++i) {
        if (codarium::download(argv[i], argv[1]) <= 0) {
            std::fprintf(stderr, "http_download_bench: %s failed\n", argv[i]);
            return 1;
        }
    }
    return 0;
}
