#include "Model/Automaton/OctreeSurface.h"

#include "Model/Automaton/TotalVolume.h"

#include <QtGlobal>

namespace Model::Automaton {
namespace {

// Octree faces use their own alpha thresholds.
constexpr float kOpaqueAlpha = 0.999f;
constexpr float kVisibleAlpha = 0.001f;

// Root outer sides are emitted in this order.
constexpr int kRootSideOrder[6] = {1, 0, 5, 4, 3, 2};

} // namespace

OctreeSurface::OctreeSurface(TotalVolume &volume)
    : volume(&volume), cellSize{volume.getCellSizeX(), volume.getCellSizeY(), volume.getCellSizeZ()}
{
}

void OctreeSurface::build(const CutBox &box)
{
    const MaterialColorMap colors = MaterialColorMap::fromCatalogue();
    CellsLocker cells(*volume);
    const CellGrid grid = CellGrid::of(*volume);
    buildFrom(cells.get(), grid, box.clampedTo(grid.sizeX, grid.sizeY, grid.sizeZ), colors);
}

void OctreeSurface::clear()
{
    tree.clear();
    std::vector<Geometry::QuadFace>().swap(opaque);
    std::vector<Geometry::QuadFace>().swap(transparent);
}

void OctreeSurface::buildFrom(const Voxel *cells, const CellGrid &grid, const CutBox &box,
                              const MaterialColorMap &colors)
{
    clear();
    cellSize = grid.cellSize;
    if (box.isEmpty())
        return;
    if (!tree.build(cells, grid, box)) {
        qWarning("OctreeSurface: the cut box is too large for the octree");
        return;
    }
    emitFaces(colors);
}

void OctreeSurface::emitSide(int32_t index, int side, bool translucentWanted, const MaterialColorMap &colors)
{
    const CellOctree::Node &node = tree.node(index);
    if (node.isLeaf()) {
        if (node.material == 0)
            return;
        const Materials::RgbaColor &color = colors.color(node.material);
        std::vector<Geometry::QuadFace> *list = nullptr;
        if (color.a > kOpaqueAlpha)
            list = &opaque;
        else if (translucentWanted && color.a > kVisibleAlpha)
            list = &transparent;
        if (list)
            list->emplace_back(side, node.origin[0], node.origin[1], node.origin[2], node.length, cellSize,
                               color, node.material);
        return;
    }
    // The four children touching this side: the axis bit is 0 on a low side, 1 on a high side.
    const int bit = CellOctree::childBit(2 - side / 2);
    const int wanted = (side & 1) ? 1 : 0;
    for (int k = 0; k < 8; ++k) {
        if (((k >> bit) & 1) == wanted)
            emitSide(node.firstChild + k, side, translucentWanted, colors);
    }
}

void OctreeSurface::emitFaces(const MaterialColorMap &colors)
{
    // Every leaf that is empty or not opaque shows the sides of its neighbours that face it.
    std::vector<int32_t> stack{0};
    while (!stack.empty()) {
        const int32_t index = stack.back();
        stack.pop_back();
        const CellOctree::Node &node = tree.node(index);
        if (!node.isLeaf()) {
            for (int k = 7; k >= 0; --k)
                stack.push_back(node.firstChild + k);
            continue;
        }
        const bool empty = node.material == 0;
        if (!empty && colors.color(node.material).a > kOpaqueAlpha)
            continue;
        for (int direction = 0; direction < 6; ++direction) {
            const int32_t across = tree.neighbour(index, direction);
            if (across >= 0)
                emitSide(across, Geometry::oppositeDirection(direction), empty, colors);
        }
    }
    for (int side : kRootSideOrder)
        emitSide(0, side, true, colors);
}

} // namespace Model::Automaton
