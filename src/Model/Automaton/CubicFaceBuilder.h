#pragma once

#include "Model/Automaton/CellGrid.h"
#include "Model/Automaton/CutBox.h"
#include "Model/Automaton/MaterialColorMap.h"
#include "Model/Automaton/SlicedBuild.h"
#include "Model/Automaton/Voxel.h"
#include "Model/Geometry/QuadFace.h"

#include <vector>

namespace Model::Automaton {

// The faces of one cubic generation: solid faces and blended faces.
struct CubicFaceLists {
    std::vector<Geometry::QuadFace> opaque;
    std::vector<Geometry::QuadFace> transparent;
};

// Colours cells by their material through a colour map.
class MaterialColorSource {
public:
    explicit MaterialColorSource(const MaterialColorMap &map) : map(map) {}
    AlphaClass classOf(size_t, uint32_t materialId) const { return map.alphaClass(materialId); }
    Materials::RgbaColor colorOf(size_t, uint32_t materialId) const { return map.color(materialId); }
    // Whether two cells of one material have the same alpha class: always, by material.
    bool sameAlphaClass(size_t, size_t) const { return true; }

private:
    const MaterialColorMap &map;
};

// Emits the visible faces of every cell in a cut box, one face per exposed cell side.
// A cell that is empty, cut away or of an invisible colour gives no faces. A side facing out of
// the cut box is always shown. Otherwise an opaque cell hides a side exactly when the neighbour
// is an opaque, non-empty cell that is not cut away; a translucent cell hides it also when the
// neighbour has the same material (cut away or not), so a translucent region keeps no inner faces.
// `ColorSource` gives each cell's colour and alpha class by cell index and material.
template <class ColorSource> class CubicFaceBuilder {
public:
    CubicFaceBuilder(const Voxel *cells, const CellGrid &grid, const CutBox &box, const ColorSource &source)
        : cells(cells), grid(grid), box(box), source(source)
    {
    }

    // Every slice on the global thread pool, joined in slice order.
    CubicFaceLists build() const
    {
        auto parts = runSlicedBuild<CubicFaceLists>(
            box.lower[0], box.upper[0],
            [this](const Util::SlabRange &slice, CubicFaceLists &out) { buildSlice(slice, out); });
        std::vector<std::vector<Geometry::QuadFace>> opaque;
        std::vector<std::vector<Geometry::QuadFace>> transparent;
        for (CubicFaceLists &part : parts) {
            opaque.push_back(std::move(part.opaque));
            transparent.push_back(std::move(part.transparent));
        }
        return {joinInOrder(opaque), joinInOrder(transparent)};
    }

    void buildSlice(const Util::SlabRange &slice, CubicFaceLists &out) const
    {
        const ptrdiff_t sy = ptrdiff_t(grid.strideY());
        const ptrdiff_t sx = ptrdiff_t(grid.strideX());
        const ptrdiff_t offsets[6] = {-1, 1, -sy, sy, -sx, sx};
        for (uint32_t x = slice.begin; x < slice.end; ++x) {
            for (uint32_t y = box.lower[1]; y < box.upper[1]; ++y) {
                // Bits of the sides that face out of the box: x and y here, z per cell.
                const unsigned xySides = (y == box.lower[1] ? 4u : 0u) | (y + 1 == box.upper[1] ? 8u : 0u)
                                         | (x == box.lower[0] ? 16u : 0u)
                                         | (x + 1 == box.upper[0] ? 32u : 0u);
                size_t i = grid.index(x, y, box.lower[2]);
                for (uint32_t z = box.lower[2]; z < box.upper[2]; ++z, ++i) {
                    const Voxel &cell = cells[i];
                    const uint32_t materialId = cell.materialId;
                    if (materialId == 0 || cell.cutCount != 0)
                        continue;
                    const unsigned boxSides =
                        xySides | (z == box.lower[2] ? 1u : 0u) | (z + 1 == box.upper[2] ? 2u : 0u);
                    if (boxSides == 0 && buriedInItsOwnMaterial(i, materialId, offsets))
                        continue;
                    const AlphaClass alphaClass = source.classOf(i, materialId);
                    if (alphaClass == AlphaClass::Invisible)
                        continue;
                    unsigned visible = boxSides;
                    for (int d = 0; d < 6; ++d) {
                        if (!(boxSides & (1u << d))
                            && !hides(alphaClass, materialId, size_t(ptrdiff_t(i) + offsets[d])))
                            visible |= 1u << d;
                    }
                    if (visible != 0)
                        appendFaces(visible, x, y, z, source.colorOf(i, materialId), materialId,
                                    alphaClass == AlphaClass::Opaque ? out.opaque : out.transparent);
                }
            }
        }
    }

private:
    // Whether all six neighbours are uncut cells of the same material and alpha class: such a
    // cell shows no side whatever its class (the common case inside a solid, checked cheaply).
    bool buriedInItsOwnMaterial(size_t i, uint32_t materialId, const ptrdiff_t offsets[6]) const
    {
        for (int d = 0; d < 6; ++d) {
            const size_t n = size_t(ptrdiff_t(i) + offsets[d]);
            if (cells[n].materialId != materialId || cells[n].cutCount != 0 || !source.sameAlphaClass(i, n))
                return false;
        }
        return true;
    }

    bool hides(AlphaClass alphaClass, uint32_t materialId, size_t neighbourIndex) const
    {
        const Voxel &neighbour = cells[neighbourIndex];
        const bool opaqueNeighbour =
            neighbour.materialId != 0 && neighbour.cutCount == 0
            && source.classOf(neighbourIndex, neighbour.materialId) == AlphaClass::Opaque;
        if (alphaClass == AlphaClass::Opaque)
            return opaqueNeighbour;
        return opaqueNeighbour || neighbour.materialId == materialId;
    }

    void appendFaces(unsigned visible, uint32_t x, uint32_t y, uint32_t z, const Materials::RgbaColor &color,
                     uint32_t materialId, std::vector<Geometry::QuadFace> &list) const
    {
        for (int d = 0; d < 6; ++d) {
            if (visible & (1u << d))
                list.emplace_back(d, x, y, z, 1, grid.cellSize, color, materialId);
        }
    }

    const Voxel *cells;
    CellGrid grid;
    CutBox box;
    const ColorSource &source;
};

// The six faces of every empty cell in the cut box (cut counters are not looked at), light grey,
// material 0: the outlines drawn over empty cells when asked for.
std::vector<Geometry::QuadFace> buildEmptyCellOutlines(const Voxel *cells, const CellGrid &grid,
                                                       const CutBox &box);

} // namespace Model::Automaton
