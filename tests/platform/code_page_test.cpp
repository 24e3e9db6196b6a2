#include "platform/code_page.h"

#include <gtest/gtest.h>

using namespace codarium::platform;

TEST(CodePage, EveryByteSurvivesTheRoundTripThroughUnicode) {
    for (int b = 0; b < 256; ++b) {
        const std::string one(1, static_cast<char>(b));
        EXPECT_EQ(fromQString(toQString(one)), one) << b;
        EXPECT_EQ(fromUtf8(toUtf8(one)), one) << b;
    }
}

TEST(CodePage, TheEuroSignAndUmlautsMapToWindows1252) {
    EXPECT_EQ(toUtf8("\x80"), "\xE2\x82\xAC");
    EXPECT_EQ(toUtf8("\xC4"), "\xC3\x84");
    EXPECT_EQ(fromUtf8("\xE2\x82\xAC"), "\x80");
    EXPECT_EQ(fromUtf8("\xE4\xB8\xAD"), "?"); // a CJK character has no byte
}

TEST(CodePage, LowerCasingFoldsEveryCapitalOfTheCodePage) {
    EXPECT_EQ(lowerCased("ABC xyz"), "abc xyz");
    EXPECT_EQ(lowerCased("\xC4\xD6\xDC\xC9"), "\xE4\xF6\xFC\xE9"); // ÄÖÜÉ
    EXPECT_EQ(lowerCased("\x8A\x8C\x8E\x9F"), "\x9A\x9C\x9E\xFF"); // ŠŒŽŸ
    EXPECT_EQ(lowerCased("\xD7\xDF"), "\xD7\xDF");                 // × and ß have no lower case
    // Agrees with Unicode lower-casing for every byte that has one.
    for (int b = 0; b < 256; ++b) {
        const std::string one(1, static_cast<char>(b));
        const QString lower = toQString(one).toLower();
        if (lower.size() == 1) {
            EXPECT_EQ(lowerCased(one), fromQString(lower)) << b;
        }
    }
}
