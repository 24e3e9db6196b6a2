#include "runtime/byte_utf8.h"

#include <gtest/gtest.h>

namespace codarium {
namespace {

TEST(BytesToUtf8, CopiesAsciiAndWidensHighBytesToTwo) {
    EXPECT_EQ(bytesToUtf8("abc"), "abc");
    EXPECT_EQ(bytesToUtf8("\xE4"), "\xC3\xA4");
    EXPECT_EQ(bytesToUtf8("\x80"), "\xC2\x80"); // code point 0x80, not the euro sign
    EXPECT_EQ(bytesToUtf8(std::string_view("\xFF\x00", 2)), std::string_view("\xC3\xBF\x00", 3));
}

TEST(Utf8ToBytes, BothRulesInvertTheEncodingForEveryByte) {
    std::string all;
    for (int b = 0; b < 256; ++b) {
        all += static_cast<char>(b);
    }
    EXPECT_EQ(utf8ToBytesPrefs(bytesToUtf8(all)), all);
    EXPECT_EQ(utf8ToBytesView(bytesToUtf8(all)), all);
}

TEST(Utf8ToBytes, CharactersAboveFfBecomeOneQuestionMark) {
    // U+0100 (two bytes), U+20AC (three), U+1F600 (four), each between letters.
    const std::string text = "a\xC4\x80"
                             "b\xE2\x82\xAC"
                             "c\xF0\x9F\x98\x80"
                             "d";
    EXPECT_EQ(utf8ToBytesPrefs(text), "a?b?c?d");
    EXPECT_EQ(utf8ToBytesView(text), "a?b?c?d");
}

TEST(Utf8ToBytes, StrayContinuationBytesAreDropped) {
    EXPECT_EQ(utf8ToBytesPrefs("a\x80\xBF"
                               "b"),
              "ab");
    EXPECT_EQ(utf8ToBytesView("a\x80\xBF"
                              "b"),
              "ab");
}

TEST(Utf8ToBytes, LeadWithoutContinuationGivesQuestionMarkAndKeepsNextByte) {
    EXPECT_EQ(utf8ToBytesPrefs("\xC3"
                               "ab"),
              "?ab");
    EXPECT_EQ(utf8ToBytesView("\xC3"
                              "ab"),
              "?ab");
    // A three-byte lead followed by only one continuation, then a letter.
    EXPECT_EQ(utf8ToBytesPrefs("\xE2\x82"
                               "xy"),
              "?xy");
    EXPECT_EQ(utf8ToBytesView("\xE2\x82"
                              "xy"),
              "?xy");
}

TEST(Utf8ToBytes, RulesDifferAtTheEndOfTheDataAndForF8ToFf) {
    // A sequence cut off by the end: the preferences rule marks it, the view
    // rule drops it.
    EXPECT_EQ(utf8ToBytesPrefs("a\xC3"), "a?");
    EXPECT_EQ(utf8ToBytesView("a\xC3"), "a");
    EXPECT_EQ(utf8ToBytesPrefs("a\xE2\x82"), "a?");
    EXPECT_EQ(utf8ToBytesView("a\xE2\x82"), "a");
    // Too short for its lead byte even though a letter follows.
    EXPECT_EQ(utf8ToBytesPrefs("\xF0"
                               "a"),
              "?a");
    EXPECT_EQ(utf8ToBytesView("\xF0"
                              "a"),
              "a");
    EXPECT_EQ(utf8ToBytesPrefs("x\xF8\xFFy"), "x??y");
    EXPECT_EQ(utf8ToBytesView("x\xF8\xFFy"), "xy");
}

TEST(Utf8ToBytes, OverlongTwoByteFormsGiveTheirCodePoint) {
    EXPECT_EQ(utf8ToBytesPrefs("\xC1\x81"), "A");
    EXPECT_EQ(utf8ToBytesView("\xC1\x81"), "A");
}

} // namespace
} // namespace codarium
