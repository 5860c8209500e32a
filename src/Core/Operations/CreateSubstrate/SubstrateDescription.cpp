#include "Core/Operations/CreateSubstrate/SubstrateDescription.h"

#include "Model/Automaton/TotalVolume.h"

#include <algorithm>
#include <vector>

namespace Core::Operations {
namespace {

void fillBlock(const SubstrateDescription &d, std::vector<uint32_t> &ids)
{
    const uint64_t W = d.totalWidth, L = d.totalLength, H = d.totalHeight;
    const uint64_t endX = std::min<uint64_t>(W, uint64_t(d.blockX) + d.blockWidth);
    const uint64_t endY = std::min<uint64_t>(L, uint64_t(d.blockY) + d.blockLength);
    const uint64_t endZ = std::min<uint64_t>(H, uint64_t(d.blockZ) + d.blockHeight);
    if (d.blockZ >= endZ)
        return;
    for (uint64_t x = d.blockX; x < endX; ++x) {
        for (uint64_t y = d.blockY; y < endY; ++y) {
            const uint64_t row = (L * x + y) * H;
            std::fill(ids.begin() + ptrdiff_t(row + d.blockZ), ids.begin() + ptrdiff_t(row + endZ),
                      d.materialId);
        }
    }
}

void fillBall(const SubstrateDescription &d, std::vector<uint32_t> &ids)
{
    const float radius = float(d.radius);
    const float threshold = radius * radius * d.cellSizeZ * d.cellSizeZ;
    size_t index = 0;
    for (uint32_t x = 0; x < d.totalWidth; ++x) {
        const float dx = float(int64_t(x) - int64_t(d.centerX)) * d.cellSizeX;
        for (uint32_t y = 0; y < d.totalLength; ++y) {
            const float dy = float(int64_t(y) - int64_t(d.centerY)) * d.cellSizeY;
            for (uint32_t z = 0; z < d.totalHeight; ++z, ++index) {
                const float dz = float(int64_t(z) - int64_t(d.centerZ)) * d.cellSizeZ;
                if (dx * dx + dy * dy + dz * dz <= threshold)
                    ids[index] = d.materialId;
            }
        }
    }
}

} // namespace

std::shared_ptr<Model::Automaton::TotalVolume> buildSubstrate(const SubstrateDescription &d)
{
    if (!Model::Automaton::TotalVolume::isAllocatable(d.totalWidth, d.totalLength, d.totalHeight))
        return nullptr;
    std::vector<uint32_t> ids(size_t(d.totalWidth) * d.totalLength * d.totalHeight, 0);
    if (d.spherical)
        fillBall(d, ids);
    else
        fillBlock(d, ids);
    return std::make_shared<Model::Automaton::TotalVolume>(
        d.totalWidth, d.totalLength, d.totalHeight, d.cellSizeX, d.cellSizeY, d.cellSizeZ, d.position, ids);
}

} // namespace Core::Operations
