#pragma once

#include "Model/Automaton/BoxCoordinates.h"
#include "Model/Automaton/CellGrid.h"
#include "Model/Automaton/CutBox.h"
#include "Model/Automaton/LayerBits.h"
#include "Model/Automaton/MaterialColorMap.h"
#include "Model/Automaton/SlicedBuild.h"
#include "Model/Automaton/Voxel.h"
#include "Model/Geometry/QuadFace.h"

#include <utility>
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
    // The class follows from the material alone, so a run of one material is classified once.
    static constexpr bool kClassByMaterial = true;

    explicit MaterialColorSource(const MaterialColorMap &map) : map(map) {}
    AlphaClass classOf(size_t, uint32_t materialId) const { return map.alphaClass(materialId); }
    Materials::RgbaColor colorOf(size_t, uint32_t materialId) const { return map.color(materialId); }
    // Materials 0 .. count - 1 are worth a table of their classes.
    uint32_t tabledMaterialCount() const { return map.denseIdCount(); }

private:
    const MaterialColorMap &map;
};

// Emits the visible faces of every cell in a cut box, one face per exposed cell side.
// A cell that is empty, cut away or of an invisible colour gives no faces. A side facing out of
// the cut box is always shown. Otherwise an opaque cell hides a side exactly when the neighbour
// is an opaque, non-empty cell that is not cut away; a translucent cell hides it also when the
// neighbour has the same material (cut away or not), so a translucent region keeps no inner faces.
// `ColorSource` gives each cell's colour and alpha class by cell index and material.
//
// Each slice first packs its x-layers into bit rows (opaque cells, translucent cells) and finds
// the cells with a visible side by comparing whole rows with their six neighbour rows; only
// those skin cells are kept. The face lists are then filled in cell order at their exact size.
template <class ColorSource> class CubicFaceBuilder {
public:
    CubicFaceBuilder(const Voxel *cells, const CellGrid &grid, const CutBox &box, const ColorSource &source)
        : cells(cells), grid(grid), box(box), source(source)
    {
        if constexpr (ColorSource::kClassByMaterial) {
            materialCodes.resize(source.tabledMaterialCount());
            for (uint32_t m = 0; m < materialCodes.size(); ++m)
                materialCodes[m] = uint8_t(drawCode(0, m));
        }
    }

    // Every slice on the global thread pool, joined in slice order.
    CubicFaceLists build() const
    {
        CubicFaceLists lists;
        buildInto(lists.opaque, lists.transparent);
        return lists;
    }

    // The same lists written over `opaque` and `transparent`, reusing their storage.
    void buildInto(std::vector<Geometry::QuadFace> &opaque,
                   std::vector<Geometry::QuadFace> &transparent) const
    {
        opaque.clear();
        transparent.clear();
        if (box.isEmpty())
            return;
        const std::vector<SkinCells> slices = runSlicedBuild<SkinCells>(
            box.lower[0], box.upper[0],
            [this](const Util::SlabRange &slice, SkinCells &out) { findSkin(slice, out); });
        size_t opaqueCount = 0;
        size_t transparentCount = 0;
        for (const SkinCells &slice : slices) {
            opaqueCount += slice.opaqueFaces;
            transparentCount += slice.transparentFaces;
        }
        prepare(opaque, opaqueCount);
        prepare(transparent, transparentCount);
        const BoxCoordinates coordinates(box, grid.cellSize);
        uint32_t nextId = Geometry::QuadFace::takeFaceIds(uint32_t(opaqueCount + transparentCount));
        for (const SkinCells &slice : slices) {
            emitFaces(slice.opaque, coordinates, nextId, opaque);
            emitFaces(slice.transparent, coordinates, nextId, transparent);
        }
    }

private:
    // A cell with at least one visible side: bit d of `sides` for face direction d.
    struct SkinCell {
        uint32_t x, y, z;
        uint32_t material;
        uint32_t sides;
    };
    struct SkinCells {
        std::vector<SkinCell> opaque;
        std::vector<SkinCell> transparent;
        size_t opaqueFaces = 0;
        size_t transparentFaces = 0;
    };
    // The packed cells of one x-layer of the box.
    struct Layer {
        LayerBits opaque;      // drawn opaque: non-empty, not cut away, opaque colour
        LayerBits translucent; // drawn blended
    };

    Layer emptyLayer() const
    {
        const uint32_t rows = box.upper[1] - box.lower[1];
        const uint32_t depth = box.upper[2] - box.lower[2];
        return {LayerBits(rows, depth), LayerBits(rows, depth)};
    }

    // Layer x, or an empty one outside the box.
    void pack(uint32_t x, Layer &layer) const
    {
        if (x < box.lower[0] || x >= box.upper[0]) {
            layer.opaque.clear();
            layer.translucent.clear();
            return;
        }
        const uint32_t depth = box.upper[2] - box.lower[2];
        for (uint32_t r = 0; r < layer.opaque.rows(); ++r) {
            const size_t first = grid.index(x, box.lower[1] + r, box.lower[2]);
            uint64_t *opaqueRow = layer.opaque.row(r);
            uint64_t *translucentRow = layer.translucent.row(r);
            if constexpr (ColorSource::kClassByMaterial) {
                const TabledCodes codes{cells, materialCodes.data(), uint32_t(materialCodes.size())};
                if (!packCells(cells, first, depth, codes, opaqueRow, translucentRow).untabledMaterial)
                    continue;
            }
            packCells(cells, first, depth, CellCodes{this}, opaqueRow, translucentRow);
        }
    }

    // Draw codes from the table of material codes, cut cells 0; a run of one material is looked up
    // once. Notes a material beyond the table instead of calling out of the loop for it.
    struct TabledCodes {
        const Voxel *cells;
        const uint8_t *codes;
        uint32_t codeCount;
        uint32_t runMaterial = 0;
        uint64_t runCode = 0;
        bool untabledMaterial = false;
        uint64_t operator()(size_t i)
        {
            const Voxel &cell = cells[i];
            if (cell.materialId != runMaterial) {
                runMaterial = cell.materialId;
                runCode = runMaterial < codeCount ? codes[runMaterial] : 0;
                untabledMaterial |= runMaterial >= codeCount;
            }
            return cell.cutCount == 0 ? runCode : 0;
        }
    };
    // Draw codes asked of the colour source cell by cell, cut cells 0.
    struct CellCodes {
        const CubicFaceBuilder *builder;
        uint64_t operator()(size_t i) const
        {
            const Voxel &cell = builder->cells[i];
            return cell.cutCount == 0 ? builder->drawCode(i, cell.materialId) : 0;
        }
    };

    // 1 for a cell drawn opaque, 2 for one drawn blended, 0 for none (before cuts).
    uint64_t drawCode(size_t i, uint32_t material) const
    {
        if (material == 0)
            return 0;
        switch (source.classOf(i, material)) {
        case AlphaClass::Opaque: return 1;
        case AlphaClass::Translucent: return 2;
        default: return 0;
        }
    }

    void findSkin(const Util::SlabRange &slice, SkinCells &out) const
    {
        Layer below = emptyLayer(), current = emptyLayer(), above = emptyLayer();
        if (slice.begin > box.lower[0])
            pack(slice.begin - 1, below);
        pack(slice.begin, current);
        for (uint32_t x = slice.begin; x < slice.end; ++x) {
            pack(x + 1, above);
            findSkinInLayer(x, below, current, above, out);
            std::swap(below, current);
            std::swap(current, above);
        }
    }

    // Bit d of the result: the neighbour across side d is drawn opaque.
    struct OpaqueNeighbours {
        uint64_t side[6];
        uint32_t sidesAt(uint32_t k) const
        {
            uint32_t sides = 0;
            for (int d = 0; d < 6; ++d)
                sides |= uint32_t((side[d] >> k) & 1) << d;
            return sides;
        }
    };

    void findSkinInLayer(uint32_t x, const Layer &previous, const Layer &layer, const Layer &next,
                         SkinCells &out) const
    {
        const uint32_t rows = layer.opaque.rows();
        const uint32_t words = layer.opaque.wordCount();
        const LayerBits &solid = layer.opaque;
        for (uint32_t r = 0; r < rows; ++r) {
            const uint64_t *opaqueRow = solid.row(r);
            const uint64_t *translucentRow = layer.translucent.row(r);
            const uint32_t y = box.lower[1] + r;
            for (uint32_t w = 0; w < words; ++w) {
                const uint64_t opaqueCells = opaqueRow[w];
                const uint64_t translucentCells = translucentRow[w];
                if ((opaqueCells | translucentCells) == 0)
                    continue;
                // Outside the box every neighbour row reads as empty, so box sides always show.
                const OpaqueNeighbours n = {{LayerBits::fromBelow(opaqueRow, w),
                                             solid.fromAbove(opaqueRow, w), r > 0 ? solid.row(r - 1)[w] : 0,
                                             r + 1 < rows ? solid.row(r + 1)[w] : 0,
                                             previous.opaque.row(r)[w], next.opaque.row(r)[w]}};
                const uint64_t buried = n.side[0] & n.side[1] & n.side[2] & n.side[3] & n.side[4] & n.side[5];
                const uint32_t z0 = box.lower[2] + w * 64;
                const size_t rowStart = grid.index(x, y, z0);
                forEachBit(opaqueCells & ~buried, [&](uint32_t k) {
                    const uint32_t sides = ~n.sidesAt(k) & 63u;
                    out.opaque.push_back({x, y, z0 + k, cells[rowStart + k].materialId, sides});
                    out.opaqueFaces += sideCount(sides);
                });
                forEachBit(translucentCells, [&](uint32_t k) {
                    const uint32_t sides = translucentSides(x, y, z0 + k, n.sidesAt(k));
                    if (sides != 0) {
                        out.transparent.push_back({x, y, z0 + k, cells[rowStart + k].materialId, sides});
                        out.transparentFaces += sideCount(sides);
                    }
                });
            }
        }
    }

    // A translucent cell's visible sides: not towards an opaque cell, and not towards a cell of its
    // own material inside the box.
    uint32_t translucentSides(uint32_t x, uint32_t y, uint32_t z, uint32_t opaqueNeighbours) const
    {
        const size_t i = grid.index(x, y, z);
        const uint32_t material = cells[i].materialId;
        const uint32_t position[3] = {x, y, z};
        const ptrdiff_t steps[3] = {ptrdiff_t(grid.strideX()), ptrdiff_t(grid.strideY()), 1};
        uint32_t sides = ~opaqueNeighbours & 63u;
        for (int d = 0; d < 6; ++d) {
            const int axis = 2 - d / 2;
            const bool up = d & 1;
            const bool inside = up ? position[axis] + 1 < box.upper[axis] : position[axis] > box.lower[axis];
            if (inside
                && cells[size_t(ptrdiff_t(i) + (up ? steps[axis] : -steps[axis]))].materialId == material)
                sides &= ~(1u << d);
        }
        return sides;
    }

    // Room for exactly `count` faces; storage far larger than that is given back.
    static void prepare(std::vector<Geometry::QuadFace> &list, size_t count)
    {
        if (list.capacity() / 2 > count)
            std::vector<Geometry::QuadFace>().swap(list);
        list.reserve(count);
    }

    void emitFaces(const std::vector<SkinCell> &skin, const BoxCoordinates &coordinates, uint32_t &nextId,
                   std::vector<Geometry::QuadFace> &list) const
    {
        for (const SkinCell &c : skin) {
            const Materials::RgbaColor color = source.colorOf(grid.index(c.x, c.y, c.z), c.material);
            const Geometry::Point3 low = coordinates.at(c.x, c.y, c.z);
            const Geometry::Point3 high = coordinates.at(c.x + 1, c.y + 1, c.z + 1);
            for (int d = 0; d < 6; ++d) {
                if (c.sides & (1u << d))
                    list.emplace_back(d, low, high, color, c.material, nextId++);
            }
        }
    }

    const Voxel *cells;
    CellGrid grid;
    CutBox box;
    const ColorSource &source;
    std::vector<uint8_t> materialCodes; // draw code by material, when the class follows from it
};

// The six faces of every empty cell in the cut box (cut counters are not looked at), light grey,
// material 0: the outlines drawn over empty cells when asked for.
std::vector<Geometry::QuadFace> buildEmptyCellOutlines(const Voxel *cells, const CellGrid &grid,
                                                       const CutBox &box);

} // namespace Model::Automaton
