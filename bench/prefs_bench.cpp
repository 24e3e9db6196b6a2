// Opens a preferences file, changes one key and writes the file back.
#include "runtime/prefs_file.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    using namespace codarium;
    if (argc != 4) {
        std::fprintf(stderr, "usage: bench_prefs FILE GROUP KEY\n");
        return 2;
    }
    PrefsFile prefs;
    if (!prefs.openFile(argv[1]) || !prefs.selectGroup(argv[2])) {
        std::fprintf(stderr, "bench_prefs: cannot open %s or group %s\n", argv[1], argv[2]);
        return 1;
    }
    // Alternates between two values, so that every run really changes it.
    const int old = prefs.readInteger(argv[3], 0);
    prefs.writeInteger(argv[3], old == 1 ? 2 : 1);
    prefs.close();
    return 0;
}
