// Arbitrary bytes as a link file: its names and the address of one menu
// command (the input's size picks which, among both ends of the command
// range and the file's last pair, so that each run opens the file only a few
// times). Besides not crashing: names and addresses are the file's lines in
// pairs, and a link file written from those pairs reads back the same.
#include "library/link_file.h"
#include "library/list_file.h"
#include "tests/runtime/fuzz_scratch.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

using namespace codarium::library;

const std::string& inputFile() {
    static const std::string path = codarium::testing::fuzzScratchFile("link_file_fuzzer", "in");
    return path;
}

const std::string& writtenFile() {
    static const std::string path =
        codarium::testing::fuzzScratchFile("link_file_fuzzer", "written");
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::ofstream(inputFile(), std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    const std::vector<std::string> lines = readLines(inputFile());
    const std::vector<std::string> names = linkNames(inputFile());
    if (names.size() != (lines.size() + 1) / 2) {
        std::abort();
    }
    std::vector<ApiLink> links;
    const int lastPair = FirstLinkCommand + static_cast<int>(names.size()) - 1;
    const std::array<int, 7> commands = {
        FirstLinkCommand - 1, FirstLinkCommand, FirstLinkCommand + 1, lastPair,
        lastPair + 1,         LastLinkCommand,  LastLinkCommand + 1};
    const int command = commands[size % commands.size()];
    const auto address = linkAddress(inputFile(), command);
    const auto line = static_cast<std::size_t>(2 * (command - FirstLinkCommand) + 1);
    const bool listed =
        command >= FirstLinkCommand && command <= LastLinkCommand && line < lines.size();
    if (address.has_value() != listed || (listed && *address != lines[line])) {
        std::abort();
    }
    for (std::size_t i = 0; i < names.size(); ++i) {
        links.push_back({names[i], 2 * i + 1 < lines.size() ? lines[2 * i + 1] : std::string()});
    }
    std::remove(writtenFile().c_str());
    if (!createLinkFile(writtenFile(), links)) {
        std::abort();
    }
    const std::vector<std::string> again = readLines(writtenFile());
    if (again.size() != 2 * links.size()) {
        std::abort();
    }
    for (std::size_t i = 0; i < links.size(); ++i) {
        if (again[2 * i] != links[i].command || again[2 * i + 1] != links[i].link) {
            std::abort();
        }
    }
    return 0;
}
