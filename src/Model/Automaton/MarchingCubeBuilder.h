#pragma once

#include "Model/Automaton/CellGrid.h"
#include "Model/Automaton/CutBox.h"
#include "Model/Automaton/LayerBits.h"
#include "Model/Automaton/NormalSmoothing.h"
#include "Model/Automaton/Triangle.h"
#include "Model/Automaton/Voxel.h"

#include <array>
#include <vector>

namespace Model::Automaton {

// Marching cubes over the cells of a box (sample step 1). The sample points run from the box's
// lower corner to its upper limit (at most the volume's last cell) on each axis; the cube at a
// sample has its corners at the sample and one cell up on each axis. A corner is solid when its
// cell is non-empty, not cut away and within the box, where the lower limit itself counts as
// outside. Each cut edge gives the vertex at its midpoint in the material of its solid corner;
// triangles follow the standard tables; normals are then averaged per nearest grid point.
//
// Each slice packs its x-layers of solid corners into bit rows and finds the cubes with both
// solid and empty corners word by word; their triangles are then written in parallel, straight
// into a list of the exact size, and smoothed slice by slice.
class MarchingCubeBuilder {
public:
    MarchingCubeBuilder(const Voxel *cells, const CellGrid &grid, const CutBox &box);

    // Writes the triangles, in sample order, over `triangles` (reusing its storage).
    void buildInto(std::vector<Triangle> &triangles) const;

private:
    // A cube with solid and empty corners: bit k of `index` for corner k, and the material of its
    // solid corners when they all share one (0 when they do not).
    struct ActiveCube {
        uint32_t x, y, z;
        uint32_t material;
        uint8_t index;
    };
    struct SliceCubes {
        std::vector<ActiveCube> cubes;
        size_t firstTriangle = 0;
        size_t triangles = 0;
    };
    // The grid lines of one axis from the box's lower limit to one past its last sample: world
    // coordinates of the lines and of the midpoints between them, and the grid point each of those
    // rounds to.
    struct AxisLines {
        std::vector<float> line;
        std::vector<float> middle;
        std::vector<int64_t> lineKey;
        std::vector<int64_t> middleKey;
    };

    void packCorners(uint32_t x, LayerBits &layer) const;
    void findCubes(const Util::SlabRange &slice, SliceCubes &out) const;
    void findCubesInRow(uint32_t x, uint32_t row, const LayerBits &current, const LayerBits &next,
                        SliceCubes &out) const;
    uint32_t sharedMaterial(uint32_t x, uint32_t y, uint32_t z, unsigned index) const;
    void writeTriangles(const SliceCubes &slice, std::vector<Triangle> &triangles, KeyedVertices &keys) const;
    void polygonise(const ActiveCube &cube, Triangle *out, KeyedVertices &keys) const;

    const Voxel *cells;
    CellGrid grid;
    std::array<uint32_t, 3> lower{};   // the first sample
    std::array<uint32_t, 3> last{};    // the last sample, and the last solid corner
    std::array<uint32_t, 3> samples{}; // last - lower + 1
    std::array<AxisLines, 3> lines;
    bool empty;
};

} // namespace Model::Automaton
