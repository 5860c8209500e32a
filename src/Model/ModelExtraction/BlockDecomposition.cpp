#include "Model/ModelExtraction/BlockDecomposition.h"

#include "Model/Automaton/TotalVolume.h"

#include <unordered_map>

namespace Model::ModelExtraction {
namespace {

using Model::Automaton::TotalVolume;
using Model::Automaton::Voxel;

// Whether a split plane lies at each position of one axis (index = position).
using SplitPlanes = std::vector<bool>;

struct Splits {
    SplitPlanes x, y, z;
};

// A plane joins an axis where a cell's material differs from the next cell's along that axis.
// The last layer of each axis is not scanned.
Splits findSplits(const TotalVolume &volume, const Voxel *cells)
{
    const uint32_t sx = volume.getSizeX(), sy = volume.getSizeY(), sz = volume.getSizeZ();
    Splits splits{SplitPlanes(sx + 1), SplitPlanes(sy + 1), SplitPlanes(sz + 1)};
    for (uint32_t x = 0; x + 1 < sx; ++x) {
        for (uint32_t y = 0; y + 1 < sy; ++y) {
            for (uint32_t z = 0; z + 1 < sz; ++z) {
                const uint32_t m = cells[volume.cellIndex(x, y, z)].materialId;
                if (m != cells[volume.cellIndex(x, y, z + 1)].materialId)
                    splits.z[z + 1] = true;
                if (m != cells[volume.cellIndex(x, y + 1, z)].materialId)
                    splits.y[y + 1] = true;
                if (m != cells[volume.cellIndex(x + 1, y, z)].materialId)
                    splits.x[x + 1] = true;
            }
        }
    }
    return splits;
}

// Distance from `from` to the first split plane beyond it, or to the end of the axis.
uint32_t extentFrom(const SplitPlanes &planes, uint32_t from, uint32_t size)
{
    uint32_t to = from + 1;
    while (to < size && !planes[to])
        ++to;
    return to - from;
}

} // namespace

BlockDecomposition::BlockDecomposition(TotalVolume &volume)
{
    const uint32_t sx = volume.getSizeX(), sy = volume.getSizeY(), sz = volume.getSizeZ();
    Model::Automaton::CellsLocker locker(volume);
    const Voxel *cells = locker.get();
    const Splits splits = findSplits(volume, cells);

    // Growth from seeds: every block queues the cells just beyond its three upper faces.
    std::vector<bool> visited(size_t(volume.getCellCount()));
    std::deque<size_t> seeds{0};
    visited[0] = true;
    while (!seeds.empty()) {
        const size_t seed = seeds.front();
        seeds.pop_front();
        const uint32_t x = uint32_t(seed / (size_t(sy) * sz));
        const uint32_t y = uint32_t((seed / sz) % sy);
        const uint32_t z = uint32_t(seed % sz);
        const uint32_t w = extentFrom(splits.x, x, sx);
        const uint32_t l = extentFrom(splits.y, y, sy);
        const uint32_t h = extentFrom(splits.z, z, sz);
        const bool inside[3] = {x + w < sx, y + l < sy, z + h < sz};
        const size_t next[3] = {inside[0] ? volume.cellIndex(x + w, y, z) : 0,
                                inside[1] ? volume.cellIndex(x, y + l, z) : 0,
                                inside[2] ? volume.cellIndex(x, y, z + h) : 0};
        for (int axis = 0; axis < 3; ++axis) {
            if (inside[axis] && !visited[next[axis]]) {
                visited[next[axis]] = true;
                seeds.push_back(next[axis]);
            }
        }
        const uint32_t material = cells[seed].materialId;
        if (material != 0)
            blocks.emplace_back(x, y, z, w, l, h, material);
    }
    link(volume);
}

// The blocks are the cells of one rectilinear grid (every corner lies on split planes and every
// block reaches the next plane), so a face is shared exactly with the block whose corner lies
// just beyond it on that axis, and such faces coincide whole.
void BlockDecomposition::link(const TotalVolume &volume)
{
    std::unordered_map<size_t, Block *> byCorner;
    for (Block &block : blocks)
        byCorner[volume.cellIndex(block.x, block.y, block.z)] = &block;
    for (Block &block : blocks) {
        const bool inside[3] = {block.x + block.sizeX < volume.getSizeX(),
                                block.y + block.sizeY < volume.getSizeY(),
                                block.z + block.sizeZ < volume.getSizeZ()};
        const size_t beyond[3] = {volume.cellIndex(block.x + block.sizeX, block.y, block.z),
                                  volume.cellIndex(block.x, block.y + block.sizeY, block.z),
                                  volume.cellIndex(block.x, block.y, block.z + block.sizeZ)};
        for (int axis = 0; axis < 3; ++axis) {
            const auto found = inside[axis] ? byCorner.find(beyond[axis]) : byCorner.end();
            if (found == byCorner.end())
                continue;
            block.setNeighbour(2 * axis + 1, found->second);
            found->second->setNeighbour(2 * axis, &block);
        }
    }
}

std::vector<Block> BlockDecomposition::copyBlocks() const
{
    std::vector<Block> copies;
    copies.reserve(blocks.size());
    for (const Block &block : blocks)
        copies.push_back(block.withoutNeighbours());
    return copies;
}

} // namespace Model::ModelExtraction
