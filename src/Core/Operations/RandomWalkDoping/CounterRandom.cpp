#include "Core/Operations/RandomWalkDoping/CounterRandom.h"

#include <algorithm>
#include <cstddef>

#include <immintrin.h>

namespace Core::Operations {
namespace {

using namespace Philox;

#define CELLFAB_AVX2 __attribute__((target("avx2")))

// The high and low halves of the 32 × 32-bit products of eight lanes with `multiplier`: the
// unsigned multiply of the even lanes, and of the odd lanes shifted down.
CELLFAB_AVX2 inline void multiply(__m256i lanes, __m256i multiplier, __m256i &high, __m256i &low)
{
    const __m256i even = _mm256_mul_epu32(lanes, multiplier);
    const __m256i odd = _mm256_mul_epu32(_mm256_srli_epi64(lanes, 32), multiplier);
    high = _mm256_blend_epi32(_mm256_srli_epi64(even, 32), odd, 0xAA);
    low = _mm256_blend_epi32(even, _mm256_slli_epi64(odd, 32), 0xAA);
}

// Stores the four words of eight blocks (one block per lane) block after block.
CELLFAB_AVX2 inline void storeBlocks(uint32_t *out, __m256i w0, __m256i w1, __m256i w2, __m256i w3)
{
    const __m256i t0 = _mm256_unpacklo_epi32(w0, w1), t1 = _mm256_unpackhi_epi32(w0, w1);
    const __m256i t2 = _mm256_unpacklo_epi32(w2, w3), t3 = _mm256_unpackhi_epi32(w2, w3);
    const __m256i u0 = _mm256_unpacklo_epi64(t0, t2), u1 = _mm256_unpackhi_epi64(t0, t2);
    const __m256i u2 = _mm256_unpacklo_epi64(t1, t3), u3 = _mm256_unpackhi_epi64(t1, t3);
    auto *blocks = reinterpret_cast<__m256i *>(out);
    _mm256_storeu_si256(blocks, _mm256_permute2x128_si256(u0, u1, 0x20));
    _mm256_storeu_si256(blocks + 1, _mm256_permute2x128_si256(u2, u3, 0x20));
    _mm256_storeu_si256(blocks + 2, _mm256_permute2x128_si256(u0, u1, 0x31));
    _mm256_storeu_si256(blocks + 3, _mm256_permute2x128_si256(u2, u3, 0x31));
}

// philox4x32 for eight blocks at a time (words 0 and 2 of the counters given, 1 the step, 3
// zero); returns how many blocks it did.
CELLFAB_AVX2 size_t philoxEightAtATime(const uint32_t *cells, const uint32_t *numbers, uint32_t step,
                                       std::array<uint32_t, 2> key, uint32_t *out, size_t count)
{
    const __m256i m0 = _mm256_set1_epi32(int(kMultiplier0)), m1 = _mm256_set1_epi32(int(kMultiplier1));
    size_t i = 0;
    for (; i + 8 <= count; i += 8) {
        __m256i c0 = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(cells + i));
        __m256i c2 = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(numbers + i));
        __m256i c1 = _mm256_set1_epi32(int(step)), c3 = _mm256_setzero_si256();
        uint32_t k0 = key[0], k1 = key[1];
        for (int round = 0; round < kRounds; ++round) {
            __m256i high0, low0, high1, low1;
            multiply(c0, m0, high0, low0);
            multiply(c2, m1, high1, low1);
            c0 = _mm256_xor_si256(_mm256_xor_si256(high1, c1), _mm256_set1_epi32(int(k0)));
            c1 = low1;
            c2 = _mm256_xor_si256(_mm256_xor_si256(high0, c3), _mm256_set1_epi32(int(k1)));
            c3 = low0;
            k0 += kWeyl0;
            k1 += kWeyl1;
        }
        storeBlocks(out + 4 * i, c0, c1, c2, c3);
    }
    return i;
}

#undef CELLFAB_AVX2

} // namespace

PhiloxBatch::PhiloxBatch(size_t capacity) : cells(capacity), numbers(capacity), words(4 * capacity) {}

void PhiloxBatch::generate(uint32_t step, uint64_t seed)
{
    const auto key = philoxKey(seed);
    const size_t count = queued;
    // Without AVX2 every block is computed on its own.
    static const bool avx2 = __builtin_cpu_supports("avx2");
    size_t done = avx2 ? philoxEightAtATime(cells.data(), numbers.data(), step, key, words.data(), count) : 0;
    for (; done < count; ++done) {
        const auto block = philox4x32({cells[done], step, numbers[done], 0u}, key);
        std::copy(block.begin(), block.end(), words.begin() + 4 * done);
    }
}

} // namespace Core::Operations
