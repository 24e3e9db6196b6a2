#pragma once
// A fixed set of words looked up without regard to ASCII case. The table is
// built at compile time, so lookups need no allocation and no start-up work.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace codarium::highlighter {

inline constexpr std::array<unsigned char, 256> asciiLowerTable = [] {
    std::array<unsigned char, 256> table{};
    for (std::size_t c = 0; c < 256; ++c)
        table[c] = static_cast<unsigned char>((c >= 'A' && c <= 'Z') ? c + ('a' - 'A') : c);
    return table;
}();

constexpr unsigned char asciiLower(unsigned char c) {
    return asciiLowerTable[c];
}

// A hash of the case-folded word from its length and five of its letters, so
// that its cost does not grow with the word. Collisions only cost a probe.
constexpr std::uint32_t caseFoldedHash(std::string_view word) {
    const std::size_t n = word.size();
    if (n == 0)
        return 0;
    auto letter = [&](std::size_t i) -> std::uint32_t {
        return asciiLower(static_cast<unsigned char>(word[i]));
    };
    std::uint32_t h = static_cast<std::uint32_t>(n) * 0x9E3779B1u;
    h ^= letter(0) | (letter(n > 1 ? 1 : 0) << 8) | (letter(n - 1) << 16) |
         (letter(n > 2 ? n - 2 : 0) << 24);
    h += letter(n / 2) * 0x85EBCA77u;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    return h;
}

constexpr bool equalIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (asciiLower(static_cast<unsigned char>(a[i])) !=
            asciiLower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

// Open addressing over a power-of-two table at most a quarter full; slot 0
// means empty, so word i is stored as i + 1.
template <std::size_t WordCount> class WordSet {
public:
    static constexpr std::size_t slotCount = [] {
        std::size_t n = 16;
        while (n < WordCount * 4)
            n *= 2;
        return n;
    }();

    constexpr explicit WordSet(const std::array<std::string_view, WordCount>& words)
        : words_(words) {
        for (std::size_t i = 0; i < WordCount; ++i) {
            if (words_[i].size() > longest_)
                longest_ = words_[i].size();
            starts_[lengthIndex(words_[i].size())] |= startBit(words_[i][0]);
            const std::uint32_t hash = caseFoldedHash(words_[i]);
            std::size_t slot = hash & (slotCount - 1);
            while (slots_[slot] != 0)
                slot = (slot + 1) & (slotCount - 1);
            slots_[slot] = static_cast<std::uint16_t>(i + 1);
            hashes_[slot] = hash;
        }
    }

    constexpr bool contains(std::string_view word) const {
        // Most names are no word of the set; their length and first letter
        // usually tell so without hashing.
        if (word.size() > longest_ || word.empty() ||
            (starts_[lengthIndex(word.size())] & startBit(word[0])) == 0)
            return false;
        const std::uint32_t hash = caseFoldedHash(word);
        std::size_t slot = hash & (slotCount - 1);
        while (slots_[slot] != 0) {
            if (hashes_[slot] == hash && equalIgnoringCase(words_[slots_[slot] - 1u], word))
                return true;
            slot = (slot + 1) & (slotCount - 1);
        }
        return false;
    }

private:
    static constexpr std::size_t lengthIndex(std::size_t length) {
        return length < 32 ? length : 0;
    }
    static constexpr std::uint32_t startBit(char first) {
        const unsigned char c = asciiLower(static_cast<unsigned char>(first));
        return (c >= 'a' && c <= 'z') ? (1u << (c - 'a')) : (1u << 31);
    }

    std::array<std::string_view, WordCount> words_;
    std::array<std::uint32_t, 32> starts_{};
    std::array<std::uint16_t, slotCount> slots_{};
    std::array<std::uint32_t, slotCount> hashes_{};
    std::size_t longest_ = 0;
};

} // namespace codarium::highlighter
