// A typed text becomes program text whole or names the character that the
// code page cannot hold; nothing is ever quietly turned into "?".
#include "platform/code_page.h"
#include "platform/code_page_exact.h"

#include <gtest/gtest.h>

namespace codarium::platform {
namespace {

TEST(ExactCodePage, TextTheCodePageHoldsIsKeptAndOtherTextNamesItsFirstMissingCharacter) {
    const struct {
        const char* utf8;
        const char* bytes; // all of it, or what stands before the missing character
        char32_t missing;  // 0: complete
        std::size_t index;
    } cases[] = {
        {"Fenster", "Fenster", 0, 0},
        {"", "", 0, 0},
        {"Äpfel „€“ – ÿ", "\xC4pfel \x84\x80\x93 \x96 \xFF", 0, 0},
        {"Was?", "Was?", 0, 0}, // a typed question mark is no loss
        {"ŠŒŽŸšœžƒ‰", "\x8A\x8C\x8E\x9F\x9A\x9C\x9E\x83\x89", 0, 0},
        {"Łukasz", "", U'Ł', 0},
        {"Dateien Ł", "Dateien ", U'Ł', 8},
        {"Программы", "", U'П', 0},
        {"Mein 日本語", "Mein ", U'日', 5},
        {"a😀b", "a", U'😀', 1}, // one character, two UTF-16 units
        {"😀Ł", "", U'😀', 0},
        {"ab😀Ł", "ab", U'😀', 2},
        {"é😀ğ", "\xE9", U'😀', 1},
        {"Ärger ğ", "\xC4rger ", U'ğ', 6},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.utf8);
        const ExactCodePageText text = fromQStringExactly(QString::fromUtf8(c.utf8));
        EXPECT_EQ(text.bytes, c.bytes);
        EXPECT_EQ(text.complete(), c.missing == 0);
        if (c.missing != 0) {
            EXPECT_EQ(text.missing, c.missing);
            EXPECT_EQ(text.missingIndex, c.index);
        }
    }
}

TEST(ExactCodePage, AgreesWithTheLossyConversionWheneverNothingIsMissing) {
    for (int b = 0; b < 256; ++b) {
        const std::string one(1, static_cast<char>(b));
        const ExactCodePageText text = fromQStringExactly(toQString(one));
        EXPECT_TRUE(text.complete()) << b;
        EXPECT_EQ(text.bytes, one) << b;
    }
    const QString lone = QString(QChar(u'a')) + QChar(char16_t(0xD83D)) + QChar(u'b');
    const ExactCodePageText broken = fromQStringExactly(lone);
    EXPECT_EQ(broken.missing, char32_t(0xD83D));
    EXPECT_EQ(broken.missingIndex, 1u);
}

} // namespace
} // namespace codarium::platform
