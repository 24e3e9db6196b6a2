// Arbitrary bytes as a list file: read, rewritten, sorted, appended to.
// Besides not crashing: a list written from the lines read reads back as the
// same lines, sorting keeps every line and orders them, dropping a line drops
// exactly its copies, and an appended line follows every old one.
#include "library/list_file.h"
#include "tests/runtime/fuzz_scratch.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

using namespace codarium::library;

const std::string& inputFile() {
    static const std::string path = codarium::testing::fuzzScratchFile("list_file_fuzzer", "in");
    return path;
}

const std::string& listFile() {
    static const std::string path = codarium::testing::fuzzScratchFile("list_file_fuzzer", "list");
    return path;
}

const std::string& tempStem() {
    static const std::string path = codarium::testing::fuzzScratchFile("list_file_fuzzer", "tmp");
    return path;
}

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::ofstream(inputFile(), std::ios::binary | std::ios::trunc) << bytes;
    const std::vector<std::string> lines = readLines(inputFile());
    for (const std::string& line : lines) {
        check(line.find_first_of(std::string_view("\r\n\0", 3)) == std::string::npos);
    }

    check(replaceListFile(listFile(), tempStem(), lines));
    check(readLines(listFile()) == lines);

    std::vector<std::string> sorted = lines;
    sortListLines(sorted);
    check(std::is_permutation(sorted.begin(), sorted.end(), lines.begin(), lines.end()));
    check(std::is_sorted(sorted.begin(), sorted.end(), listOrderLess));
    check(sortListFile(listFile()));
    check(readLines(listFile()) == sorted);

    if (!lines.empty()) {
        std::vector<std::string> kept;
        std::copy_if(lines.begin(), lines.end(), std::back_inserter(kept),
                     [&](const std::string& line) { return line != lines.front(); });
        check(replaceListFile(listFile(), tempStem(), lines));
        check(rewriteWithoutLine(listFile(), tempStem(), lines.front()));
        check(readLines(listFile()) == kept);
    }

    // Appending to the raw bytes: whatever ended the old file, the new line
    // comes after all of its lines.
    std::ofstream(listFile(), std::ios::binary | std::ios::trunc) << bytes;
    const std::string text = lines.empty() ? std::string("entry") : lines.back();
    check(appendLine(listFile(), text));
    std::vector<std::string> expected = lines;
    expected.push_back(text);
    check(readLines(listFile()) == expected);
    return 0;
}
