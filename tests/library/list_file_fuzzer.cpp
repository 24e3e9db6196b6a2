// Arbitrary bytes as a list file, and one operation on it chosen by the
// input's size, so that each run touches the disk only a few times. Besides
// not crashing: no line read holds a line end, a list written from the lines
// read reads back as the same lines, sorting keeps every line and orders
// them, dropping a line drops exactly its copies, and an appended line
// follows every old one, whatever ended the old file.
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

enum class Operation { Rewrite, Sort, Remove, Append, Count };

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::ofstream(listFile(), std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    const std::vector<std::string> lines = readLines(listFile());
    for (const std::string& line : lines) {
        check(line.find_first_of(std::string_view("\r\n\0", 3)) == std::string::npos);
    }

    switch (static_cast<Operation>(size % static_cast<std::size_t>(Operation::Count))) {
    case Operation::Rewrite:
        check(replaceListFile(listFile(), tempStem(), lines));
        check(readLines(listFile()) == lines);
        break;
    case Operation::Sort: {
        std::vector<std::string> sorted = lines;
        sortListLines(sorted);
        // Every line kept: both sorted plainly must be equal. (is_permutation
        // is quadratic; a long file of equal lines spent each run in it.)
        std::vector<std::string> plainLines = lines;
        std::vector<std::string> plainSorted = sorted;
        std::sort(plainLines.begin(), plainLines.end());
        std::sort(plainSorted.begin(), plainSorted.end());
        check(plainSorted == plainLines);
        check(std::is_sorted(sorted.begin(), sorted.end(), listOrderLess));
        check(sortListFile(listFile()));
        check(readLines(listFile()) == sorted);
        break;
    }
    case Operation::Remove: {
        const std::string dropped = lines.empty() ? std::string("entry") : lines.front();
        std::vector<std::string> kept;
        std::copy_if(lines.begin(), lines.end(), std::back_inserter(kept),
                     [&](const std::string& line) { return line != dropped; });
        check(rewriteWithoutLine(listFile(), tempStem(), dropped));
        check(readLines(listFile()) == kept);
        break;
    }
    case Operation::Append:
    case Operation::Count: {
        const std::string text = lines.empty() ? std::string("entry") : lines.back();
        check(appendLine(listFile(), text));
        std::vector<std::string> expected = lines;
        expected.push_back(text);
        check(readLines(listFile()) == expected);
        break;
    }
    }
    return 0;
}
