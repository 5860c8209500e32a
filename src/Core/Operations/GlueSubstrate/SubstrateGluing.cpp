#include "Core/Operations/GlueSubstrate/SubstrateGluing.h"

#include "Model/Automaton/TotalVolume.h"
#include "Util/ParallelSlabs.h"

#include <algorithm>

namespace Core::Operations {

using Model::Automaton::TotalVolume;

namespace {

// The lowest and one above the highest occupied layer; {sizeZ, 0} when nothing is occupied.
std::pair<uint32_t, uint32_t> occupiedLayers(TotalVolume &volume)
{
    uint32_t low = volume.getSizeZ(), high = 0;
    Model::Automaton::CellsLocker cells(volume);
    const uint32_t sz = volume.getSizeZ();
    for (size_t i = 0; i < volume.getCellCount(); ++i) {
        if (cells.get()[i].materialId != 0) {
            const uint32_t z = uint32_t(i % sz);
            low = std::min(low, z);
            high = std::max(high, z + 1);
        }
    }
    return {low, high};
}

} // namespace

SubstrateGluing::SubstrateGluing(TotalVolume &base, TotalVolume &top) : base(base), top(top)
{
    baseHeight = std::max(occupiedLayers(base).second, 1u);
    const auto [low, end] = occupiedLayers(top);
    topLow = end == 0 ? 0 : low;
    topHigh = end;
}

SubstrateGluing::Size SubstrateGluing::minimumSize() const
{
    return {std::max(base.getSizeX(), top.getSizeX()), std::max(base.getSizeY(), top.getSizeY()),
            baseHeight + (topHigh - topLow)};
}

SubstrateGluing::Size SubstrateGluing::defaultSize() const
{
    Size size = minimumSize();
    ++size.z;
    return size;
}

SubstrateGluing::Placement SubstrateGluing::defaultPlacement() const
{
    Placement placement;
    placement.size = defaultSize();
    return placement;
}

uint32_t SubstrateGluing::maximumShiftX(uint32_t sizeX) const
{
    return sizeX > top.getSizeX() ? sizeX - top.getSizeX() : 0;
}

uint32_t SubstrateGluing::maximumShiftY(uint32_t sizeY) const
{
    return sizeY > top.getSizeY() ? sizeY - top.getSizeY() : 0;
}

bool SubstrateGluing::fits(const Placement &p) const
{
    const Size minimum = minimumSize();
    return p.size.x >= minimum.x && p.size.y >= minimum.y && p.size.z >= minimum.z
           && p.dx <= maximumShiftX(p.size.x) && p.dy <= maximumShiftY(p.size.y);
}

// Each task copies one x slice of the base and one of the top; their result cells are disjoint
// (the top lands above the base, and distinct x slices land in distinct result columns).
std::vector<uint32_t> SubstrateGluing::glue(const Placement &p) const
{
    std::vector<uint32_t> result(size_t(p.size.x) * p.size.y * p.size.z, 0u);
    auto resultIndex = [&](uint32_t x, uint32_t y, uint32_t z) {
        return (size_t(x) * p.size.y + y) * p.size.z + z;
    };
    Model::Automaton::CellsLocker baseCells(base);
    Model::Automaton::CellsLocker topCells(top);
    uint32_t tasks = Util::parallelThreadCount();
    if (base.getSizeX() / tasks < 2 || top.getSizeX() / tasks < 2)
        tasks = 1;
    const auto baseSlabs = Util::equalSlabs(0, base.getSizeX(), tasks);
    const auto topSlabs = Util::equalSlabs(0, top.getSizeX(), tasks);
    Util::runSlabs(baseSlabs, [&](const Util::SlabRange &baseSlab, size_t t) {
        for (uint32_t x = baseSlab.begin; x < baseSlab.end; ++x)
            for (uint32_t y = 0; y < base.getSizeY(); ++y)
                for (uint32_t z = 0; z < baseHeight; ++z)
                    result[resultIndex(x, y, z)] = baseCells.get()[base.cellIndex(x, y, z)].materialId;
        const uint32_t topX = top.getSizeX();
        for (uint32_t x = topSlabs[t].begin; x < topSlabs[t].end; ++x) {
            const uint32_t targetX = p.dx + (p.invert ? topX - 1 - x : x);
            for (uint32_t y = 0; y < top.getSizeY(); ++y)
                for (uint32_t z = topLow; z < topHigh; ++z) {
                    const uint32_t targetZ = baseHeight + (p.invert ? topHigh - 1 - z : z - topLow);
                    result[resultIndex(targetX, p.dy + y, targetZ)] =
                        topCells.get()[top.cellIndex(x, y, z)].materialId;
                }
        }
    });
    return result;
}

std::shared_ptr<TotalVolume> SubstrateGluing::run(const Placement &p) const
{
    if (!fits(p) || !TotalVolume::isAllocatable(p.size.x, p.size.y, p.size.z))
        return nullptr;
    const std::vector<uint32_t> ids = glue(p);
    return std::make_shared<TotalVolume>(
        p.size.x, p.size.y, p.size.z, std::max(base.getCellSizeX(), top.getCellSizeX()),
        std::max(base.getCellSizeY(), top.getCellSizeY()), std::max(base.getCellSizeZ(), top.getCellSizeZ()),
        base.getPosition(), ids);
}

} // namespace Core::Operations
