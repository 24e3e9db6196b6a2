#pragma once
// The lexer's character classes, one table lookup each. The call finder
// reads names and blanks by the same table, so that the two cannot disagree
// on where a name ends or what stands between it and its '('.
#include <array>
#include <cstdint>
#include <string_view>

namespace codarium::highlighter::chars {

enum CharFlag : std::uint8_t {
    LineEndChar = 1,
    BlankChar = 2,
    DigitChar = 4,
    NameStartChar = 8,
    HexDigitChar = 16,
    OperatorChar = 32,
    SeparatorChar = 64,
};

inline constexpr std::array<std::uint8_t, 256> charFlags = [] {
    std::array<std::uint8_t, 256> flags{};
    auto set = [&](std::string_view chars, CharFlag flag) {
        for (char c : chars)
            flags[static_cast<unsigned char>(c)] |= flag;
    };
    set("\n\r", LineEndChar);
    set(" \t\f\v", BlankChar);
    set("0123456789", DigitChar);
    set("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ_", NameStartChar);
    set("0123456789abcdefABCDEF", HexDigitChar);
    set("+-*/=<>&|!~%@?^$#", OperatorChar);
    set("(),:.[]\\{}", SeparatorChar);
    return flags;
}();

constexpr bool hasFlag(unsigned char c, CharFlag flag) {
    return (charFlags[c] & flag) != 0;
}
constexpr bool isLineEnd(unsigned char c) {
    return hasFlag(c, LineEndChar);
}
constexpr bool isBlank(unsigned char c) {
    return hasFlag(c, BlankChar);
}
constexpr bool isDigit(unsigned char c) {
    return hasFlag(c, DigitChar);
}
constexpr bool isNameStart(unsigned char c) {
    return hasFlag(c, NameStartChar);
}
constexpr bool isNameChar(unsigned char c) {
    return (charFlags[c] & (NameStartChar | DigitChar)) != 0;
}
constexpr bool isHexDigit(unsigned char c) {
    return hasFlag(c, HexDigitChar);
}
constexpr bool isOperatorChar(unsigned char c) {
    return hasFlag(c, OperatorChar);
}
constexpr bool isSeparatorChar(unsigned char c) {
    return hasFlag(c, SeparatorChar);
}

} // namespace codarium::highlighter::chars
