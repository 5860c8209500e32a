#include "Model/Automaton/CubicFaceBuilder.h"

namespace Model::Automaton {
namespace {

const Materials::RgbaColor kOutlineColor{0.8f, 0.8f, 0.8f, 1.0f};

void buildOutlineSlice(const Voxel *cells, const CellGrid &grid, const CutBox &box,
                       const Util::SlabRange &slice, std::vector<Geometry::QuadFace> &out)
{
    for (uint32_t x = slice.begin; x < slice.end; ++x) {
        for (uint32_t y = box.lower[1]; y < box.upper[1]; ++y) {
            size_t i = grid.index(x, y, box.lower[2]);
            for (uint32_t z = box.lower[2]; z < box.upper[2]; ++z, ++i) {
                if (cells[i].materialId != 0)
                    continue;
                for (int d = 0; d < 6; ++d)
                    out.emplace_back(d, x, y, z, 1, grid.cellSize, kOutlineColor, 0);
            }
        }
    }
}

} // namespace

std::vector<Geometry::QuadFace> buildEmptyCellOutlines(const Voxel *cells, const CellGrid &grid,
                                                       const CutBox &box)
{
    auto parts = runSlicedBuild<std::vector<Geometry::QuadFace>>(
        box.lower[0], box.upper[0], [&](const Util::SlabRange &slice, std::vector<Geometry::QuadFace> &out) {
            buildOutlineSlice(cells, grid, box, slice, out);
        });
    return joinInOrder(parts);
}

} // namespace Model::Automaton
