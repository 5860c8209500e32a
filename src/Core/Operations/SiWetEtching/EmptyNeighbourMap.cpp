#include "Core/Operations/SiWetEtching/EmptyNeighbourMap.h"

#include "Model/Automaton/Voxel.h"

#include <algorithm>

namespace Core::Operations {
namespace {

// Spreads every set flag of `row` (count entries, `stride` apart) to its two neighbours.
void spread(uint8_t *row, uint64_t count, uint64_t stride)
{
    uint8_t previous = 0;
    for (uint64_t n = 0; n < count; ++n) {
        uint8_t &value = row[n * stride];
        const uint8_t next = n + 1 < count ? row[(n + 1) * stride] : 0;
        const uint8_t own = value;
        value = uint8_t(own | previous | next);
        previous = own;
    }
}

} // namespace

EmptyNeighbourMap::EmptyNeighbourMap(const Model::Automaton::Voxel *cells, uint32_t sizeX, uint32_t sizeY,
                                     uint32_t sizeZ, Util::SlabRange layers)
{
    const uint64_t layerCells = uint64_t(sizeY) * sizeZ;
    // The layers and one more on each side that exists.
    const uint32_t first = layers.begin > 0 ? layers.begin - 1 : 0;
    const uint32_t end = std::min(sizeX, layers.end + 1);
    std::vector<uint8_t> wide((end - first) * layerCells);
    for (uint64_t c = 0; c < wide.size(); ++c)
        wide[c] = cells[first * layerCells + c].materialId == 0;
    for (uint64_t x = 0; x < end - first; ++x) {
        uint8_t *layer = &wide[x * layerCells];
        for (uint64_t y = 0; y < sizeY; ++y)
            spread(layer + y * sizeZ, sizeZ, 1);
        for (uint64_t z = 0; z < sizeZ; ++z)
            spread(layer + z, sizeY, sizeZ);
    }
    firstCell = layers.begin * layerCells;
    flags.assign((layers.end - layers.begin) * layerCells, 0);
    for (uint32_t x = layers.begin; x < layers.end; ++x) {
        uint8_t *out = &flags[(x - layers.begin) * layerCells];
        for (uint32_t from = std::max(x, first + 1) - 1; from <= x + 1 && from < end; ++from) {
            const uint8_t *in = &wide[(from - first) * layerCells];
            for (uint64_t c = 0; c < layerCells; ++c)
                out[c] |= in[c];
        }
    }
}

} // namespace Core::Operations
