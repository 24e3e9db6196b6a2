#include "runtime/byte_utf8.h"

#include <cstddef>

namespace codarium {
namespace {

bool isContinuation(unsigned char b) {
    return (b & 0xC0) == 0x80;
}

// The byte of a two-byte sequence, or '?' when its code point exceeds 0xFF.
char twoByteValue(unsigned char lead, unsigned char continuation) {
    const unsigned value = ((lead & 0x1Fu) << 6) | (continuation & 0x3Fu);
    return value < 0x100 ? static_cast<char>(value) : '?';
}

} // namespace

std::string bytesToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 4);
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80) {
            out += c;
        } else {
            out += static_cast<char>(0xC0 | (b >> 6));
            out += static_cast<char>(0x80 | (b & 0x3F));
        }
    }
    return out;
}

std::string utf8ToBytesPrefs(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    const std::size_t n = utf8.size();
    for (std::size_t i = 0; i < n; ++i) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        if (b < 0x80) {
            out += static_cast<char>(b);
        } else if (isContinuation(b)) {
            // Stray: dropped. The continuation bytes of longer sequences end
            // up here too, after their lead byte gave its "?".
        } else if ((b & 0xE0) == 0xC0 && i + 1 < n &&
                   isContinuation(static_cast<unsigned char>(utf8[i + 1]))) {
            out += twoByteValue(b, static_cast<unsigned char>(utf8[i + 1]));
            ++i;
        } else {
            out += '?';
        }
    }
    return out;
}

std::string utf8ToBytesView(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    const std::size_t n = utf8.size();
    std::size_t i = 0;
    while (i < n) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        std::size_t length = 0;
        if (b < 0x80) {
            out += static_cast<char>(b);
            ++i;
            continue;
        }
        if ((b & 0xE0) == 0xC0) {
            length = 2;
        } else if ((b & 0xF0) == 0xE0) {
            length = 3;
        } else if ((b & 0xF8) == 0xF0) {
            length = 4;
        }
        if (length == 0 || i + length > n) {
            // A stray continuation byte, 0xF8 to 0xFF, or a cut-off sequence.
            ++i;
            continue;
        }
        if (length == 2) {
            const auto next = static_cast<unsigned char>(utf8[i + 1]);
            if (isContinuation(next)) {
                out += twoByteValue(b, next);
                i += 2;
            } else {
                out += '?';
                ++i;
            }
            continue;
        }
        out += '?';
        const std::size_t end = i + length;
        ++i;
        while (i < end && isContinuation(static_cast<unsigned char>(utf8[i]))) {
            ++i;
        }
    }
    return out;
}

} // namespace codarium
