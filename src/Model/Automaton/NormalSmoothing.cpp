#include "Model/Automaton/NormalSmoothing.h"

#include "Model/Automaton/KeyedIndexSort.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace Model::Automaton {
namespace {

// The keys of a part that another part may hold too: those up to `below` (when some earlier part
// has keys) and from `above` on (when some later part has keys).
struct SharedKeys {
    bool hasBelow = false;
    bool hasAbove = false;
    uint64_t below = 0;
    uint64_t above = 0;
    bool contains(uint64_t key) const { return (hasBelow && key <= below) || (hasAbove && key >= above); }
};

std::vector<SharedKeys> sharedKeysOf(const std::vector<KeyedVertices> &parts)
{
    std::vector<SharedKeys> shared(parts.size());
    for (size_t i = 1; i < parts.size(); ++i) {
        shared[i].hasBelow = shared[i - 1].hasBelow || !parts[i - 1].keys.empty();
        shared[i].below = std::max(shared[i - 1].below, parts[i - 1].keys.empty() ? 0 : parts[i - 1].maxKey);
    }
    for (size_t i = parts.size(); i-- > 1;) {
        const KeyedVertices &next = parts[i];
        shared[i - 1].hasAbove = shared[i].hasAbove || !next.keys.empty();
        shared[i - 1].above = shared[i].hasAbove ? std::min(shared[i].above, next.minKey) : next.minKey;
    }
    return shared;
}

// Gives the vertices vertexOf(begin) .. vertexOf(end - 1) the normalised mean of their normals,
// summed in that order.
template <class VertexOf>
void averageGroup(std::vector<Triangle> &triangles, size_t begin, size_t end, const VertexOf &vertexOf)
{
    double sum[3] = {0.0, 0.0, 0.0};
    for (size_t i = begin; i < end; ++i) {
        const std::array<float, 3> &normal = vertexAt(triangles, vertexOf(i)).normal;
        for (int axis = 0; axis < 3; ++axis)
            sum[axis] += normal[size_t(axis)];
    }
    const double count = double(end - begin);
    const std::array<float, 3> mean =
        unitOrZero({float(sum[0] / count), float(sum[1] / count), float(sum[2] / count)});
    for (size_t i = begin; i < end; ++i)
        vertexAt(triangles, vertexOf(i)).normal = mean;
}

// Averages the groups of one part whose key no other part can hold; hands the others' members,
// as (key, vertex) in key and vertex order, to `shared`.
void smoothPart(std::vector<Triangle> &triangles, KeyedVertices &part, const SharedKeys &sharedKeys,
                std::vector<std::pair<uint64_t, size_t>> &shared)
{
    std::vector<uint64_t> &entries = part.keys;
    if (entries.empty())
        return;
    // Each entry becomes (key - smallest key) above the vertex's index in the part.
    const int indexBits = bitWidth(entries.size() - 1);
    const int keyBits = bitWidth(part.maxKey - part.minKey);
    if (keyBits + indexBits > 64)
        throw std::length_error("too many vertices over too wide a grid to smooth the normals");
    for (uint64_t v = 0; v < entries.size(); ++v)
        entries[v] = ((entries[v] - part.minKey) << indexBits) | v;
    sortByKeyBits(entries, indexBits, keyBits);
    const uint64_t indexMask = (uint64_t(1) << indexBits) - 1;
    const auto vertexOf = [&](size_t i) { return part.firstVertex + size_t(entries[i] & indexMask); };
    for (size_t begin = 0; begin < entries.size();) {
        const uint64_t relativeKey = entries[begin] >> indexBits;
        size_t end = begin + 1;
        while (end < entries.size() && entries[end] >> indexBits == relativeKey)
            ++end;
        const uint64_t key = relativeKey + part.minKey;
        if (sharedKeys.contains(key)) {
            for (size_t i = begin; i < end; ++i)
                shared.emplace_back(key, vertexOf(i));
        } else {
            averageGroup(triangles, begin, end, vertexOf);
        }
        begin = end;
    }
    std::vector<uint64_t>().swap(entries);
}

} // namespace

void smoothNormals(std::vector<Triangle> &triangles, std::vector<KeyedVertices> &parts,
                   const std::vector<Util::SlabRange> &slices)
{
    const std::vector<SharedKeys> sharedKeys = sharedKeysOf(parts);
    std::vector<std::vector<std::pair<uint64_t, size_t>>> shared(parts.size());
    Util::runSlabs(slices, [&](const Util::SlabRange &, size_t i) {
        smoothPart(triangles, parts[i], sharedKeys[i], shared[i]);
    });
    // The groups at the parts' borders: members in part order, then by vertex within a part.
    std::vector<std::pair<uint64_t, size_t>> border;
    for (auto &part : shared)
        border.insert(border.end(), part.begin(), part.end());
    std::stable_sort(border.begin(), border.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    for (size_t begin = 0; begin < border.size();) {
        size_t end = begin + 1;
        while (end < border.size() && border[end].first == border[begin].first)
            ++end;
        averageGroup(triangles, begin, end, [&](size_t i) { return border[i].second; });
        begin = end;
    }
}

} // namespace Model::Automaton
