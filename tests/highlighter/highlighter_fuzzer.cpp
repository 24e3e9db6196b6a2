// Any bytes: the runs stay inside the text, are contiguous with valid classes,
// and colouring line by line agrees with colouring the whole text.
#include "callback_recorder.h"
#include "class_map.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

using namespace codarium::highlighter;
using namespace codarium::highlighter::testing;

namespace {

void coreEntry(const char* text, int length, SyntaxHighlightCallback callback, int) {
    syntaxHighlight(text, length, callback);
}

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
    return 0;
}
