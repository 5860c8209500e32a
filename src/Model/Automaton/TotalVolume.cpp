#include "Model/Automaton/TotalVolume.h"

#include "Model/Automaton/SiLattice.h"
#include "Model/Automaton/TotalVolumePainter.h"
#include "Util/MemoryBudget.h"

#include <algorithm>
#include <limits>

namespace Model::Automaton {
namespace {

// Bytes a cell costs while a volume is built: its record plus its id in the builder's array.
constexpr uint64_t kBytesPerCell = sizeof(Voxel) + sizeof(uint32_t);

} // namespace

TotalVolume::TotalVolume(uint32_t sizeX, uint32_t sizeY, uint32_t sizeZ, float cellSizeX, float cellSizeY,
                         float cellSizeZ, const Util::Vector3D &position,
                         const std::vector<uint32_t> &materialIds)
    : cells(allocateCells(size_t(sizeX) * sizeY * sizeZ)), sizeX(sizeX), sizeY(sizeY), sizeZ(sizeZ),
      cellSizeX(cellSizeX), cellSizeY(cellSizeY), cellSizeZ(cellSizeZ), position(position)
{
    const size_t count = std::min(size_t(getCellCount()), materialIds.size());
    for (size_t i = 0; i < count; ++i)
        cells[i].materialId = materialIds[i];
    painter = std::make_unique<TotalVolumePainter>(*this);
}

TotalVolume::~TotalVolume() = default;

bool TotalVolume::isAllocatable(uint64_t sizeX, uint64_t sizeY, uint64_t sizeZ)
{
    if (sizeX == 0 || sizeY == 0 || sizeZ == 0)
        return false;
    const uint64_t limit = std::numeric_limits<uint32_t>::max();
    if (sizeX > limit || sizeY > limit || sizeZ > limit || sizeX * sizeY > limit
        || sizeX * sizeY * sizeZ > limit)
        return false;
    return sizeX * sizeY * sizeZ * kBytesPerCell <= Util::largeStructureBudget();
}

SiLatticeBuild TotalVolume::createSiLattice(uint64_t budgetBytes)
{
    QMutexLocker lock(&cellsMutex);
    // The old lattice goes first, so that it does not count twice against memory.
    siLattice.reset();
    SiLatticeBuild build = SiLatticeBuilder(*this, cells.get()).build(budgetBytes);
    siLattice = build.lattice;
    return build;
}

void TotalVolume::draw(bool solidsShown, bool edgesShown, const Util::Vector4D &eye)
{
    painter->draw(solidsShown, edgesShown, eye);
}

void TotalVolume::refreshDrawingData()
{
    painter->update();
}

std::shared_ptr<Object> TotalVolume::clone() const
{
    return std::make_shared<TotalVolume>(sizeX, sizeY, sizeZ, cellSizeX, cellSizeY, cellSizeZ, position,
                                         materialIds());
}

void TotalVolume::translate(const Util::Vector3D &displacement)
{
    position += displacement;
}

std::optional<Util::Box3D> TotalVolume::drawnBounds() const
{
    const Util::Vector3D maskLift(0.0, 0.0, double(kMaskDistance) * cellSizeZ);
    const Util::Vector3D extent(double(sizeX) * cellSizeX, double(sizeY) * cellSizeY,
                                double(sizeZ) * cellSizeZ);
    return Util::Box3D{position - maskLift, position + extent + maskLift};
}

Voxel *TotalVolume::lockCells()
{
    cellsMutex.lock();
    return cells.get();
}

void TotalVolume::unlockCells()
{
    cellsMutex.unlock();
}

std::vector<uint32_t> TotalVolume::materialIds() const
{
    QMutexLocker lock(&cellsMutex);
    const size_t count = size_t(getCellCount());
    std::vector<uint32_t> ids(count);
    for (size_t i = 0; i < count; ++i)
        ids[i] = cells[i].materialId;
    return ids;
}

void TotalVolume::setMaterialIds(const std::vector<uint32_t> &ids)
{
    QMutexLocker lock(&cellsMutex);
    const size_t count = std::min(size_t(getCellCount()), ids.size());
    for (size_t i = 0; i < count; ++i)
        cells[i].materialId = ids[i];
}

void TotalVolume::getTopMaskSize(uint32_t &width, uint32_t &height) const
{
    width = topMaskWidth;
    height = topMaskHeight;
}

void TotalVolume::getBottomMaskSize(uint32_t &width, uint32_t &height) const
{
    width = bottomMaskWidth;
    height = bottomMaskHeight;
}

void TotalVolume::setTopMask(const QBitArray &bits, uint32_t width, uint32_t height)
{
    topMask = bits;
    topMaskWidth = width;
    topMaskHeight = height;
}

void TotalVolume::setBottomMask(const QBitArray &bits, uint32_t width, uint32_t height)
{
    bottomMask = bits;
    bottomMaskWidth = width;
    bottomMaskHeight = height;
}

void TotalVolume::setParticleCounts(const QString &name, SharedParticleCountField field)
{
    properties.insert(name, QVariant::fromValue(std::move(field)));
}

SharedParticleCountField TotalVolume::getParticleCounts(const QString &name) const
{
    const QVariant value = properties.value(name);
    if (!value.canConvert<SharedParticleCountField>())
        return nullptr;
    return value.value<SharedParticleCountField>();
}

} // namespace Model::Automaton
