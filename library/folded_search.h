#pragma once
// Finding a text in bytes while ignoring case as the code page folds it: a
// byte matches a byte of the text when it lower-cases to it. The bytes
// searched are never copied or lowered as a whole.
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace codarium::library {

class FoldedSearcher {
public:
    // `folded`: the text already lower-cased (platform::lowerCased).
    explicit FoldedSearcher(std::string folded);

    // The offset of the first occurrence in `bytes`, or npos; 0 for an empty
    // text.
    [[nodiscard]] std::size_t find(std::string_view bytes) const;
    [[nodiscard]] bool foundIn(std::string_view bytes) const {
        return find(bytes) != std::string_view::npos;
    }

private:
    // Bytes that fold to a given byte: the candidates for one needle byte.
    static constexpr std::size_t kMostVariants = 4;
    struct Variants {
        std::array<unsigned char, kMostVariants> bytes{};
        std::size_t count = 0;
        bool fits = true; // false: more than kMostVariants bytes fold to it
    };
    static Variants variantsOf(unsigned char folded);

    std::size_t findByHorspool(const unsigned char* text, std::size_t size) const;
    std::size_t findByBlocks(const unsigned char* text, std::size_t size) const;
    bool matchesAt(const unsigned char* text) const;

    std::string needle_;
    std::array<std::size_t, 256> skip_{};
    Variants first_;
    Variants last_;
};

} // namespace codarium::library
