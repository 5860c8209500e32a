#include "Model/Export/VtiWriter.h"

#include "Model/Automaton/CellGrid.h"
#include "Model/Automaton/TotalVolume.h"
#include "Model/Export/VtkXmlFile.h"

#include <algorithm>
#include <limits>

namespace Model::Export {
namespace {

using Automaton::CellGrid;

// Values gathered per block of z layers; bounds the buffer for wide volumes.
constexpr size_t kBufferValues = size_t(1) << 21;
constexpr uint32_t kMaxLayersPerBlock = 32;

// Streams valueAt(cell index) for every cell in the image order, x fastest and z slowest
// (the cell array runs z fastest). A block of z layers is gathered at a time, so each column of
// cells is read in runs of consecutive entries.
template <class ValueAt> void writeInImageOrder(SafeFileWriter &file, const CellGrid &grid, ValueAt valueAt)
{
    const size_t layer = size_t(grid.sizeX) * grid.sizeY;
    const auto layers =
        uint32_t(std::clamp<size_t>(kBufferValues / std::max<size_t>(layer, 1), 1, kMaxLayersPerBlock));
    std::vector<uint32_t> buffer(layer * std::min(layers, grid.sizeZ));
    for (uint32_t z0 = 0; z0 < grid.sizeZ; z0 += layers) {
        const uint32_t depth = std::min(layers, grid.sizeZ - z0);
        for (uint32_t x = 0; x < grid.sizeX; ++x) {
            for (uint32_t y = 0; y < grid.sizeY; ++y) {
                const size_t cell = grid.index(x, y, z0);
                uint32_t *out = buffer.data() + size_t(y) * grid.sizeX + x;
                for (uint32_t dz = 0; dz < depth; ++dz)
                    out[dz * layer] = valueAt(cell + dz);
            }
        }
        file.write(buffer.data(), layer * depth * sizeof(uint32_t));
    }
}

uint32_t clampedTotal(const Automaton::ParticleCounts &counts)
{
    return uint32_t(std::min<uint64_t>(counts.total(), std::numeric_limits<uint32_t>::max()));
}

QByteArray triple(double a, double b, double c)
{
    return VtkXmlFile::number(a) + ' ' + VtkXmlFile::number(b) + ' ' + VtkXmlFile::number(c);
}

} // namespace

bool writeVti(Automaton::TotalVolume &volume, const QString &path, QString *error)
{
    const CellGrid grid = CellGrid::of(volume);
    const uint64_t bytes = volume.getCellCount() * sizeof(uint32_t);
    const QByteArray extent = "0 " + QByteArray::number(grid.sizeX) + " 0 " + QByteArray::number(grid.sizeY)
                              + " 0 " + QByteArray::number(grid.sizeZ);
    const Util::Vector3D position = volume.getPosition();
    VtkXmlFile vtk("ImageData");
    QByteArray body = "  <ImageData WholeExtent=\"" + extent + "\" Origin=\""
                      + triple(position.x, position.y, position.z) + "\" Spacing=\""
                      + VtkXmlFile::number(grid.cellSize[0]) + ' ' + VtkXmlFile::number(grid.cellSize[1])
                      + ' ' + VtkXmlFile::number(grid.cellSize[2]) + "\">\n    <Piece Extent=\"" + extent
                      + "\">\n      <PointData>\n      </PointData>\n      <CellData Scalars=\"material\">\n";
    body += vtk.dataArray(
        "UInt32", QStringLiteral("material"), 1, bytes,
        [&](SafeFileWriter &file) {
            Automaton::CellsLocker cells(volume);
            const Automaton::Voxel *voxels = cells.get();
            writeInImageOrder(file, grid, [voxels](size_t i) { return voxels[i].materialId; });
        },
        8);
    for (const QString &name : volume.propertyNames()) {
        const Automaton::SharedParticleCountField field = volume.getParticleCounts(name);
        if (!field || field->size() != volume.getCellCount())
            continue;
        body += vtk.dataArray(
            "UInt32", name, 1, bytes,
            [field, &grid](SafeFileWriter &file) {
                const Automaton::ParticleCounts *counts = field->data();
                writeInImageOrder(file, grid, [counts](size_t i) { return clampedTotal(counts[i]); });
            },
            8);
    }
    body += "      </CellData>\n    </Piece>\n  </ImageData>\n";
    return vtk.write(path, body, error);
}

} // namespace Model::Export
