#include "highlighter/syntax_highlight.h"

#include "highlighter/pure_basic_lexer.h"

#include <string_view>

namespace codarium::highlighter {
namespace {

// Hands each run to the caller's callback, and drops any run that would break
// the promise to the caller (outside the text, out of order, unknown class).
class CallbackSink final : public RunSink {
public:
    CallbackSink(const char* text, int length, SyntaxHighlightCallback callback)
        : text_(text), length_(static_cast<std::size_t>(length)), callback_(callback) {}

    void run(std::size_t offset, std::size_t length, HighlightClass colour) override {
        const int number = classNumber(colour);
        if (offset != covered_ || length == 0 || length > length_ - offset || number < 0 ||
            number >= highlightClassCount)
            return;
        covered_ = offset + length;
        callback_(text_ + offset, static_cast<int>(length), number);
    }

private:
    const char* text_;
    std::size_t length_;
    SyntaxHighlightCallback callback_;
    std::size_t covered_ = 0;
};

} // namespace

void syntaxHighlight(const char* text, int length, SyntaxHighlightCallback callback) noexcept {
    if (text == nullptr || callback == nullptr || length <= 0)
        return;
    try {
        CallbackSink sink(text, length, callback);
        highlightPureBasic(std::string_view(text, static_cast<std::size_t>(length)), sink);
    } catch (...) {
        // The caller is C code that cannot take an exception; the runs
        // delivered so far stand, the rest stays uncoloured.
    }
}

} // namespace codarium::highlighter
