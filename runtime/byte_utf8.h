#pragma once
// Conversions between program strings in which every byte stands for the code
// point of the same value (U+0000 to U+00FF) and UTF-8. Text that cannot be
// represented in one byte becomes "?".
#include <string>
#include <string_view>

namespace codarium {

// Bytes below 0x80 are copied; every other byte becomes its two-byte form.
std::string bytesToUtf8(std::string_view bytes);

// The reading rule of UTF-8 preferences files: every byte from 0xC0 up that
// does not start a two-byte sequence for a code point below 256 gives one
// "?", however many continuation bytes follow it; continuation bytes that
// belong to no sequence are dropped.
std::string utf8ToBytesPrefs(std::string_view utf8);

// The reading rule of the code view. Unlike the preferences rule, a sequence
// cut off by the end of the data, and the bytes 0xF8 to 0xFF, give nothing.
std::string utf8ToBytesView(std::string_view utf8);

} // namespace codarium
