#pragma once
// A bit per byte of a read buffer, set where a line ends (CR, LF or a zero
// byte). Built once per refill in one branch-free pass, so that finding the
// end of each line is a bit search instead of a byte loop whose exit the
// processor mispredicts on every line.
#include <cstddef>
#include <cstdint>

namespace codarium::textfile {

// Words needed for `size` bytes, including the stop bit.
constexpr std::size_t lineEndWords(std::size_t size) {
    return size / 64 + 1;
}

// Fills lineEndWords(size) words for data[0, size): bit i of word i / 64 is
// set where data[i] ends a line, and the bit for position `size` is set as
// a stop, so that a search from any position below size always ends.
void markLineEnds(const char* data, std::size_t size, std::uint64_t* words);

// The first marked position at or after `from` (at most the size marked).
inline std::size_t nextLineEnd(const std::uint64_t* words, std::size_t from) {
    std::size_t w = from / 64;
    std::uint64_t bits = words[w] & (~std::uint64_t{0} << (from % 64));
    while (bits == 0) {
        bits = words[++w];
    }
    return w * 64 + static_cast<std::size_t>(__builtin_ctzll(bits));
}

} // namespace codarium::textfile
