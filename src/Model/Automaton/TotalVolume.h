#pragma once

#include "Model/Automaton/CellArray.h"
#include "Model/Automaton/ImageMask.h"
#include "Model/Automaton/ParticleCounts.h"
#include "Model/Automaton/SiLatticeBuilder.h"
#include "Model/Automaton/Voxel.h"
#include "Model/Object.h"
#include "Util/MemoryBudget.h"

#include <QBitArray>
#include <QMap>
#include <QMutex>
#include <QStringList>
#include <QVariant>

#include <memory>
#include <vector>

namespace Model::Automaton {

class TotalVolumePainter;
class SiLattice;

// The cell volume: sizeX × sizeY × sizeZ cells, each naming its material by id. Cell (x, y, z)
// is entry (x·sizeY + y)·sizeZ + z of the cell array (z fastest, x slowest).
class TotalVolume : public Model::Object {
public:
    static constexpr uint32_t kType = 1;
    // Shown masks float this many cells above the top and below the bottom of the volume.
    static constexpr float kMaskDistance = 5.0f;

    // `materialIds` holds one id per cell in array order; missing entries become empty cells.
    TotalVolume(uint32_t sizeX, uint32_t sizeY, uint32_t sizeZ, float cellSizeX, float cellSizeY,
                float cellSizeZ, const Util::Vector3D &position, const std::vector<uint32_t> &materialIds);
    ~TotalVolume() override;

    // Whether a volume of these sizes can be indexed with 32-bit cell indices and fits
    // comfortably in this machine's memory. Readers check this before allocating.
    static bool isAllocatable(uint64_t sizeX, uint64_t sizeY, uint64_t sizeZ);

    uint32_t getType() const override { return kType; }
    void draw(bool solidsShown, bool edgesShown, const Util::Vector4D &eye) override;
    void refreshDrawingData() override;
    std::shared_ptr<Object> clone() const override;
    void translate(const Util::Vector3D &displacement) override;
    // The cells and the masks shown above and below them.
    std::optional<Util::Box3D> drawnBounds() const override;

    uint32_t getSizeX() const { return sizeX; }
    uint32_t getSizeY() const { return sizeY; }
    uint32_t getSizeZ() const { return sizeZ; }
    uint64_t getCellCount() const { return uint64_t(sizeX) * sizeY * sizeZ; }
    float getCellSizeX() const { return cellSizeX; }
    float getCellSizeY() const { return cellSizeY; }
    float getCellSizeZ() const { return cellSizeZ; }
    Util::Vector3D getPosition() const { return position; }

    size_t cellIndex(uint32_t x, uint32_t y, uint32_t z) const { return (size_t(x) * sizeY + y) * sizeZ + z; }

    // The cell array under the volume's non-recursive cell lock.
    Voxel *lockCells();
    void unlockCells();

    // Every cell's material id in array order (takes the cell lock).
    std::vector<uint32_t> materialIds() const;
    // Overwrites every cell's material id in array order (takes the cell lock).
    void setMaterialIds(const std::vector<uint32_t> &ids);

    TotalVolumePainter &getPainter() { return *painter; }
    std::shared_ptr<SiLattice> getSiLattice() const { return siLattice; }
    // Builds a new silicon lattice for the current cells (taking the cell lock), sets every
    // cell's atom count, and holds it in place of the old one. A lattice that would need more
    // than `budgetBytes` is refused before it is allocated; the volume then holds none.
    SiLatticeBuild createSiLattice(uint64_t budgetBytes = Util::largeStructureBudget());
    // Holds a lattice made elsewhere (a copy, a hand-made one) in place of the current one.
    void setSiLattice(std::shared_ptr<SiLattice> lattice) { siLattice = std::move(lattice); }

    const QBitArray &getTopMask() const { return topMask; }
    const QBitArray &getBottomMask() const { return bottomMask; }
    void getTopMaskSize(uint32_t &width, uint32_t &height) const;
    void getBottomMaskSize(uint32_t &width, uint32_t &height) const;
    void setTopMask(const QBitArray &bits, uint32_t width, uint32_t height);
    void setBottomMask(const QBitArray &bits, uint32_t width, uint32_t height);
    // The mask shown above (below) the volume; an empty mask shows nothing.
    void setTopMask(const ImageMask &mask) { setTopMask(mask.getBits(), mask.getWidth(), mask.getHeight()); }
    void setBottomMask(const ImageMask &mask)
    {
        setBottomMask(mask.getBits(), mask.getWidth(), mask.getHeight());
    }
    void clearTopMask() { topMask.fill(false); }
    void clearBottomMask() { bottomMask.fill(false); }

    void setProperty(const QString &name, const QVariant &value) { properties.insert(name, value); }
    QVariant getProperty(const QString &name) const { return properties.value(name); }
    void removeProperty(const QString &name) { properties.remove(name); }
    QStringList propertyNames() const { return properties.keys(); }

    // Named particle-count fields, stored as shared pointers in the property map.
    void setParticleCounts(const QString &name, SharedParticleCountField field);
    SharedParticleCountField getParticleCounts(const QString &name) const;

private:
    CellArray cells;
    mutable QMutex cellsMutex;
    uint32_t sizeX;
    uint32_t sizeY;
    uint32_t sizeZ;
    float cellSizeX;
    float cellSizeY;
    float cellSizeZ;
    Util::Vector3D position;
    QBitArray topMask;
    QBitArray bottomMask;
    std::shared_ptr<SiLattice> siLattice;
    std::unique_ptr<TotalVolumePainter> painter;
    uint32_t bottomMaskHeight = 0;
    uint32_t bottomMaskWidth = 0;
    uint32_t topMaskHeight = 0;
    uint32_t topMaskWidth = 0;
    QMap<QString, QVariant> properties;
};

// Holds a volume's cell lock for the lifetime of a scope.
class CellsLocker {
public:
    explicit CellsLocker(TotalVolume &volume) : volume(volume), cells(volume.lockCells()) {}
    ~CellsLocker() { volume.unlockCells(); }
    CellsLocker(const CellsLocker &) = delete;
    CellsLocker &operator=(const CellsLocker &) = delete;
    Voxel *get() const { return cells; }

private:
    TotalVolume &volume;
    Voxel *cells;
};

} // namespace Model::Automaton
