#pragma once
// The scratch files of the fuzzers that read their input from a file: in
// memory when possible, since the saves they exercise flush to the disk,
// which on a real disk would dominate each run. One set per process.
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace codarium::testing {

inline std::string fuzzScratchFile(const char* fuzzer, const char* name) {
    const char* tmp = std::getenv("TMPDIR");
    std::string folder = tmp && *tmp ? tmp : "/tmp";
    if (::access("/dev/shm", W_OK) == 0) {
        folder = "/dev/shm";
    }
    return folder + "/" + fuzzer + "-" + std::to_string(::getpid()) + "-" + name;
}

} // namespace codarium::testing
