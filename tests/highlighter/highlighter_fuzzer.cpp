// Any bytes: the runs stay inside the text, are contiguous with valid classes,
// colouring line by line agrees with colouring the whole text, and the API
// call finder, which colours only parts of some lines, finds exactly the
// calls that colouring the whole text shows.
#include "callback_recorder.h"
#include "class_map.h"
#include "highlighter/api_calls.h"
#include "highlighter/pure_basic_lexer.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

using namespace codarium::highlighter;
using namespace codarium::highlighter::testing;

namespace {

void coreEntry(const char* text, int length, SyntaxHighlightCallback callback, int) {
    syntaxHighlight(text, length, callback);
}

struct WholeTextCalls final : RunSink {
    explicit WholeTextCalls(std::string_view text) : code(text) { highlightPureBasic(code, *this); }
    void run(std::size_t offset, std::size_t length, HighlightClass colour) override {
        if (colour == HighlightClass::PureKeyword && length > 1 && code[offset + length - 1] == '_')
            sites.push_back({offset, length});
    }
    std::string_view code;
    std::vector<ApiCallSite> sites;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > (1u << 20))
        return 0;
    // An exact copy, so that a read past the end is caught.
    auto copy = std::make_unique<char[]>(size == 0 ? 1 : size);
    if (size > 0)
        std::memcpy(copy.get(), data, size);
    const std::string_view text(copy.get(), size);

    const auto record = recordHighlight(&coreEntry, copy.get(), static_cast<int>(size));
    if (!record.violations.empty() || coveredBytes(record) != size)
        std::abort();

    const auto whole = classMapOf(text);
    if (whole.size() != size)
        std::abort();
    std::size_t i = 0;
    for (const auto& run : record.runs) {
        for (int k = 0; k < run.length; ++k, ++i) {
            if (classNumber(whole[i]) != run.colour)
                std::abort();
        }
    }
    if (lineByLineClassMapOf(text) != whole)
        std::abort();

    const auto found = apiCallSites(text);
    const WholeTextCalls expected(text);
    if (found.size() != expected.sites.size())
        std::abort();
    for (std::size_t k = 0; k < found.size(); ++k) {
        if (found[k].offset != expected.sites[k].offset ||
            found[k].length != expected.sites[k].length)
            std::abort();
    }
    return 0;
}
