#include "runtime/url_path_encoding.h"

#include <gtest/gtest.h>

using namespace codarium;

namespace {

struct EncodingCase {
    const char* why;
    std::string_view path;
    PercentSigns signs;
    std::string_view encoded;
};

// The UTF-8 forms: "ü" is C3 BC, "€" is E2 82 AC.
const EncodingCase Cases[] = {
    {"plain path stays", "aktualisierung/codarium/Index.ini", PercentSigns::Literal,
     "aktualisierung/codarium/Index.ini"},
    {"blank", "Codes/Fenster/Halbtransparentes Fenster.pb", PercentSigns::Literal,
     "Codes/Fenster/Halbtransparentes%20Fenster.pb"},
    {"umlaut as its UTF-8 bytes",
     "Codes/Gr\xC3\xBC\xC3\x9F"
     "e.pb",
     PercentSigns::Literal, "Codes/Gr%C3%BC%C3%9Fe.pb"},
    {"euro sign", "\xE2\x82\xAC", PercentSigns::Literal, "%E2%82%AC"},
    {"every percent of a name", "100% sicher %41.pb", PercentSigns::Literal,
     "100%25%20sicher%20%2541.pb"},
    {"an escape is kept when asked", "mein%20Ordner/%zz%4", PercentSigns::KeepEscapes,
     "mein%20Ordner/%25zz%254"},
    {"lower-case escape kept", "a%c3%bc", PercentSigns::KeepEscapes, "a%c3%bc"},
    {"query and fragment signs inside a name", "Was?#1.pb", PercentSigns::Literal, "Was%3F%231.pb"},
    {"quotes, brackets and the rest", "\"<>[\\]^`{|}", PercentSigns::Literal,
     "%22%3C%3E%5B%5C%5D%5E%60%7B%7C%7D"},
    {"controls and DEL", std::string_view("\x01\t\r\n\x7F\0", 6), PercentSigns::Literal,
     "%01%09%0D%0A%7F%00"},
    {"sub-delimiters, colon and at stay", "a-b_c.d~e!$&'()*+,;=:@", PercentSigns::Literal,
     "a-b_c.d~e!$&'()*+,;=:@"},
    {"every high byte", "\x80\xFF", PercentSigns::Literal, "%80%FF"},
    {"empty", "", PercentSigns::Literal, ""},
};

TEST(UrlPathEncoding, EncodesEveryByteThatMayNotStandRaw) {
    for (const EncodingCase& c : Cases) {
        EXPECT_EQ(percentEncodePath(c.path, c.signs), c.encoded) << c.why;
    }
}

// Whatever the input, the result is a valid path: only raw characters and
// complete escapes, and decoding it gives the input back for a literal name.
TEST(UrlPathEncoding, EveryByteValueRoundTrips) {
    std::string all;
    for (int b = 0; b < 256; ++b) {
        all += static_cast<char>(b);
    }
    const std::string encoded = percentEncodePath(all, PercentSigns::Literal);
    std::string decoded;
    for (std::size_t at = 0; at < encoded.size(); ++at) {
        const auto c = static_cast<unsigned char>(encoded[at]);
        ASSERT_TRUE(c > 0x20 && c < 0x7F) << "raw byte " << int(c);
        ASSERT_EQ(std::string("\"#<>?[\\]^`{|}").find(char(c)), std::string::npos) << char(c);
        if (c == '%') {
            ASSERT_LT(at + 2, encoded.size());
            decoded += static_cast<char>(std::stoi(encoded.substr(at + 1, 2), nullptr, 16));
            at += 2;
        } else {
            decoded += static_cast<char>(c);
        }
    }
    EXPECT_EQ(decoded, all);
}

} // namespace
