// Arbitrary bytes as a release index: read its groups, and every line as a
// size and as a path. Besides not crashing: the groups hold every line of
// the file, and a path counted safe never leaves the program directory.
#include "online/update_index.h"

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

const std::string& scratchFile() {
    static const std::string path = [] {
        const char* tmp = std::getenv("TMPDIR");
        std::string folder = tmp && *tmp ? tmp : "/tmp";
        if (::access("/dev/shm", W_OK) == 0) {
            folder = "/dev/shm";
        }
        return folder + "/update_index_fuzzer-" + std::to_string(::getpid()) + ".ini";
    }();
    return path;
}

void checkPath(const std::string& path) {
    using namespace codarium::online;
    if (!safeReleasePath(path)) {
        return;
    }
    const std::string forward = releasePath(path);
    if (forward.empty() || forward.front() == '/' || forward == ".." ||
        forward.rfind("../", 0) == 0 || forward.find("/../") != std::string::npos ||
        (forward.size() >= 3 && forward.compare(forward.size() - 3, 3, "/..") == 0)) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace codarium::online;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::ofstream(scratchFile(), std::ios::binary | std::ios::trunc) << bytes;
    const auto entries = readUpdateIndex(scratchFile());
    if (!entries) {
        std::abort();
    }
    for (const IndexEntry& entry : *entries) {
        (void)indexSize(entry.size);
        (void)indexSize(entry.path);
        checkPath(entry.path);
        checkPath(entry.digest);
    }
    return 0;
}
