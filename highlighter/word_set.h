#pragma once
// A fixed set of words looked up without regard to ASCII case. The table is
// built at compile time, so lookups need no allocation and no start-up work.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace codarium::highlighter {

constexpr unsigned char asciiLower(unsigned char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c + ('a' - 'A')) : c;
}

constexpr std::uint32_t caseFoldedHash(std::string_view word) {
    std::uint32_t h = 2166136261u;
    for (char ch : word) {
        h ^= asciiLower(static_cast<unsigned char>(ch));
        h *= 16777619u;
    }
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
            std::size_t slot = caseFoldedHash(words_[i]) & (slotCount - 1);
            while (slots_[slot] != 0)
                slot = (slot + 1) & (slotCount - 1);
            slots_[slot] = static_cast<std::uint16_t>(i + 1);
        }
    }

    constexpr bool contains(std::string_view word) const {
        if (word.size() > longest_ || word.empty())
            return false;
        std::size_t slot = caseFoldedHash(word) & (slotCount - 1);
        while (slots_[slot] != 0) {
            if (equalIgnoringCase(words_[slots_[slot] - 1u], word))
                return true;
            slot = (slot + 1) & (slotCount - 1);
        }
        return false;
    }

private:
    std::array<std::string_view, WordCount> words_;
    std::array<std::uint16_t, slotCount> slots_{};
    std::size_t longest_ = 0;
};

} // namespace codarium::highlighter
