#include "runtime/line_end_map.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace codarium::textfile {
namespace {

std::uint64_t markBytewise(const char* data, std::size_t count) {
    std::uint64_t bits = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const char c = data[i];
        bits |= static_cast<std::uint64_t>(c == '\r' || c == '\n' || c == '\0') << i;
    }
    return bits;
}

#if defined(__SSE2__)
std::uint64_t mark64(const char* data) {
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i lf = _mm_set1_epi8('\n');
    const __m128i zero = _mm_setzero_si128();
    std::uint64_t bits = 0;
    for (int part = 0; part < 4; ++part) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + part * 16));
        const __m128i hit = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(v, cr), _mm_cmpeq_epi8(v, lf)),
                                         _mm_cmpeq_epi8(v, zero));
        bits |= static_cast<std::uint64_t>(static_cast<unsigned>(_mm_movemask_epi8(hit)))
                << (part * 16);
    }
    return bits;
}
#else
std::uint64_t mark64(const char* data) {
    return markBytewise(data, 64);
}
#endif

} // namespace

void markLineEnds(const char* data, std::size_t size, std::uint64_t* words) {
    const std::size_t full = size / 64;
    for (std::size_t w = 0; w < full; ++w) {
        words[w] = mark64(data + w * 64);
    }
    const std::size_t rest = size % 64;
    words[full] = markBytewise(data + full * 64, rest) | (std::uint64_t{1} << rest);
}

} // namespace codarium::textfile
