#include "Model/Automaton/KeyedIndexSort.h"

#include <algorithm>
#include <array>

namespace Model::Automaton {
namespace {

// At most this many key bits per pass; the passes share the key bits evenly.
constexpr int kDigitBits = 12;
constexpr size_t kBuckets = size_t(1) << kDigitBits;

} // namespace

void sortByKeyBits(std::vector<uint64_t> &values, int shift, int keyBits)
{
    if (values.size() < 2 || keyBits <= 0)
        return;
    std::vector<uint64_t> buffer(values.size());
    const int passes = (keyBits + kDigitBits - 1) / kDigitBits;
    const int digitBits = (keyBits + passes - 1) / passes;
    for (int done = 0; done < keyBits; done += digitBits) {
        const int digitShift = shift + done;
        const uint64_t mask = (uint64_t(1) << std::min(digitBits, keyBits - done)) - 1;
        std::array<size_t, kBuckets + 1> starts{};
        for (uint64_t value : values)
            ++starts[((value >> digitShift) & mask) + 1];
        for (size_t b = 1; b <= kBuckets; ++b)
            starts[b] += starts[b - 1];
        for (uint64_t value : values)
            buffer[starts[(value >> digitShift) & mask]++] = value;
        values.swap(buffer);
    }
}

} // namespace Model::Automaton
