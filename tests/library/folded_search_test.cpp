// The case-folded search against the plain rule: lower-case both sides byte
// by byte, then look for the text.
#include "library/folded_search.h"
#include "platform/code_page.h"

#include <gtest/gtest.h>
#include <random>

namespace codarium::library {
namespace {

bool plainFind(std::string_view bytes, std::string_view text) {
    return platform::lowerCased(bytes).find(platform::lowerCased(text)) != std::string::npos;
}

bool folded(std::string_view bytes, std::string_view text) {
    return FoldedSearcher(platform::lowerCased(text)).foundIn(bytes);
}

TEST(FoldedSearch, FindsTheTextAtEveryPlaceOfEveryLengthAcrossBlockEdges) {
    // Each place of texts from 1 to 40 bytes in bytes of up to 70: the
    // first, last and middle starting places of 16-byte blocks all occur.
    const std::string body = "Hallo Welt, ";
    for (std::size_t m = 1; m <= 40; ++m) {
        std::string text;
        for (std::size_t k = 0; k < m; ++k) {
            text += static_cast<char>('a' + (k * 7) % 26);
        }
        for (std::size_t size = m; size <= 70; ++size) {
            for (std::size_t at = 0; at + m <= size; ++at) {
                std::string bytes(size, '.');
                bytes.replace(at, m, platform::lowerCased(text));
                bytes[at] = static_cast<char>(bytes[at] - 'a' + 'A'); // in any case
                ASSERT_TRUE(folded(bytes, text)) << m << " " << size << " " << at;
                bytes[at + m - 1] = '#';
                ASSERT_FALSE(folded(bytes, text)) << m << " " << size << " " << at;
            }
        }
    }
}

TEST(FoldedSearch, AgreesWithThePlainRuleOnRandomBytesThatFold) {
    // Letters with their capitals, umlauts and the code page's own pairs
    // (0x8A/0x9A, 0x9F/0xFF), line ends and zero bytes.
    const std::string alphabet =
        std::string("aAbB\xE4\xC4\xF6\xD6\x8A\x9A\x9F\xFF\xDF \r\n") + std::string(1, '\0');
    std::mt19937 random(2026);
    const auto pick = [&](std::size_t n) {
        std::string s;
        for (std::size_t i = 0; i < n; ++i) {
            s += alphabet[random() % alphabet.size()];
        }
        return s;
    };
    int found = 0;
    for (int round = 0; round < 20000; ++round) {
        const std::string bytes = pick(random() % 120);
        std::string text;
        if (round % 2 == 0 && !bytes.empty()) {
            // A piece of the bytes themselves, so that matches are frequent.
            const std::size_t at = random() % bytes.size();
            text = bytes.substr(at, 1 + random() % 20);
        } else {
            text = pick(1 + random() % 4);
        }
        const bool expected = plainFind(bytes, text);
        found += expected ? 1 : 0;
        ASSERT_EQ(folded(bytes, text), expected) << round;
    }
    EXPECT_GT(found, 5000);
}

TEST(FoldedSearch, EmptyTextIsFoundEverywhereAndALongerTextNowhere) {
    EXPECT_TRUE(folded("", ""));
    EXPECT_TRUE(folded("abc", ""));
    EXPECT_FALSE(folded("abc", "abcd"));
    EXPECT_FALSE(folded("", "a"));
    EXPECT_TRUE(folded("xx\xC4RGER", "\xE4rger"));
}

} // namespace
} // namespace codarium::library
