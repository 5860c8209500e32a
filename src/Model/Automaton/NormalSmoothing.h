#pragma once

#include "Model/Automaton/Triangle.h"
#include "Util/ParallelSlabs.h"

#include <cstdint>
#include <vector>

namespace Model::Automaton {

// Consecutive vertices of a triangle list, from `firstVertex` on, each with the key of the grid
// point its normal is averaged over.
struct KeyedVertices {
    size_t firstVertex = 0;
    std::vector<uint64_t> keys;
    uint64_t minKey = ~uint64_t(0);
    uint64_t maxKey = 0;

    void add(uint64_t key)
    {
        keys.push_back(key);
        minKey = key < minKey ? key : minKey;
        maxKey = key > maxKey ? key : maxKey;
    }
};

// Gives every vertex the normalised mean normal of all vertices with its key, the normals summed
// in vertex order. Each part is smoothed as one task (`slices` names one slab per part for the
// pool); keys that more than one part may hold are settled afterwards, in vertex order too, so
// the result does not depend on how the vertices were split. The parts' keys are used up.
void smoothNormals(std::vector<Triangle> &triangles, std::vector<KeyedVertices> &parts,
                   const std::vector<Util::SlabRange> &slices);

} // namespace Model::Automaton
