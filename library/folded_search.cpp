#include "library/folded_search.h"

#include "platform/code_page.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace codarium::library {
namespace {

using LowerTable = std::array<unsigned char, 256>;

const LowerTable& lowerTable() {
    static const LowerTable table = [] {
        LowerTable t{};
        for (std::size_t i = 0; i < t.size(); ++i) {
            t[i] = static_cast<unsigned char>(
                platform::lowerCaseByte(static_cast<char>(static_cast<unsigned char>(i))));
        }
        return t;
    }();
    return table;
}

} // namespace

FoldedSearcher::FoldedSearcher(std::string folded) : needle_(std::move(folded)) {
    const LowerTable& fold = lowerTable();
    const std::size_t m = needle_.size();
    std::array<std::size_t, 256> byFolded{};
    byFolded.fill(m);
    for (std::size_t k = 0; k + 1 < m; ++k) {
        byFolded[static_cast<unsigned char>(needle_[k])] = m - 1 - k;
    }
    for (std::size_t c = 0; c < skip_.size(); ++c) {
        skip_[c] = byFolded[fold[c]];
    }
    if (m > 0) {
        first_ = variantsOf(static_cast<unsigned char>(needle_.front()));
        last_ = variantsOf(static_cast<unsigned char>(needle_.back()));
    }
}

FoldedSearcher::Variants FoldedSearcher::variantsOf(unsigned char folded) {
    const LowerTable& fold = lowerTable();
    Variants v;
    for (std::size_t c = 0; c < fold.size(); ++c) {
        if (fold[c] != folded) {
            continue;
        }
        if (v.count == kMostVariants) {
            v.fits = false;
            break;
        }
        v.bytes[v.count++] = static_cast<unsigned char>(c);
    }
    // Unused places repeat a candidate, so that every place can be compared.
    for (std::size_t k = v.count; k > 0 && k < kMostVariants; ++k) {
        v.bytes[k] = v.bytes[0];
    }
    return v;
}

std::size_t FoldedSearcher::find(std::string_view bytes) const {
    const std::size_t m = needle_.size();
    if (m == 0) {
        return 0;
    }
    if (bytes.size() < m || first_.count == 0 || last_.count == 0) {
        return std::string_view::npos; // no byte folds to the first or the last one
    }
    const auto* text = reinterpret_cast<const unsigned char*>(bytes.data());
    if (first_.fits && last_.fits) {
        return findByBlocks(text, bytes.size());
    }
    return findByHorspool(text, bytes.size());
}

bool FoldedSearcher::matchesAt(const unsigned char* text) const {
    const LowerTable& fold = lowerTable();
    const auto* pattern = reinterpret_cast<const unsigned char*>(needle_.data());
    for (std::size_t j = 0; j < needle_.size(); ++j) {
        if (fold[text[j]] != pattern[j]) {
            return false;
        }
    }
    return true;
}

// Horspool's search: the text is folded only at the few positions compared.
std::size_t FoldedSearcher::findByHorspool(const unsigned char* text, std::size_t size) const {
    const std::size_t m = needle_.size();
    if (size < m) {
        return std::string_view::npos;
    }
    const LowerTable& fold = lowerTable();
    const auto* pattern = reinterpret_cast<const unsigned char*>(needle_.data());
    for (std::size_t i = 0; i <= size - m;) {
        const unsigned char last = text[i + m - 1];
        if (fold[last] == pattern[m - 1]) {
            std::size_t j = m - 1;
            while (j > 0 && fold[text[i + j - 1]] == pattern[j - 1]) {
                --j;
            }
            if (j == 0) {
                return i;
            }
        }
        i += skip_[last];
    }
    return std::string_view::npos;
}

#if defined(__SSE2__)
namespace {

__m128i equalToAny(__m128i block, const __m128i (&candidates)[4]) {
    return _mm_or_si128(
        _mm_or_si128(_mm_cmpeq_epi8(block, candidates[0]), _mm_cmpeq_epi8(block, candidates[1])),
        _mm_or_si128(_mm_cmpeq_epi8(block, candidates[2]), _mm_cmpeq_epi8(block, candidates[3])));
}

} // namespace

// Sixteen starting positions at a time: only where both the first and the
// last byte of the text could begin and end a match is the whole text
// compared. Rare candidates make this far cheaper than a step per skip.
std::size_t FoldedSearcher::findByBlocks(const unsigned char* text, std::size_t size) const {
    static_assert(kMostVariants == 4);
    const std::size_t m = needle_.size();
    __m128i first[4], last[4];
    for (std::size_t k = 0; k < kMostVariants; ++k) {
        first[k] = _mm_set1_epi8(static_cast<char>(first_.bytes[k]));
        last[k] = _mm_set1_epi8(static_cast<char>(last_.bytes[k]));
    }
    std::size_t i = 0;
    for (; i + m - 1 + 16 <= size; i += 16) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + i));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + i + m - 1));
        auto candidates = static_cast<unsigned>(
            _mm_movemask_epi8(_mm_and_si128(equalToAny(a, first), equalToAny(b, last))));
        // The lowest candidate first: the first occurrence is the one wanted.
        while (candidates != 0) {
            const std::size_t at = i + static_cast<std::size_t>(__builtin_ctz(candidates));
            if (matchesAt(text + at)) {
                return at;
            }
            candidates &= candidates - 1;
        }
    }
    // The last starting positions, fewer than a block.
    const std::size_t tail = findByHorspool(text + i, size - i);
    return tail == std::string_view::npos ? tail : i + tail;
}
#else
std::size_t FoldedSearcher::findByBlocks(const unsigned char* text, std::size_t size) const {
    return findByHorspool(text, size);
}
#endif

} // namespace codarium::library
