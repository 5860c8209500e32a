#include "Model/Automaton/OctreeSurface.h"

#include "Model/Automaton/TotalVolume.h"

#include <QtGlobal>

#include <algorithm>

namespace Model::Automaton {
namespace {

// Octree faces use their own alpha thresholds.
constexpr float kOpaqueAlpha = 0.999f;
constexpr float kVisibleAlpha = 0.001f;

// The largest root edge the tree accepts (child offsets must fit in 32 bits).
constexpr uint64_t kMaxRootLength = uint64_t(1) << 31;

// Root outer sides are emitted in this order.
constexpr int kRootSideOrder[6] = {1, 0, 5, 4, 3, 2};

// Child bit of each axis in a child index: x is bit 2, y bit 1, z bit 0.
constexpr int axisBit(int axis)
{
    return 2 - axis;
}

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
    std::vector<Node>().swap(nodes);
    std::vector<int32_t>().swap(freeBlocks);
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
    uint32_t extent = 0;
    for (int axis = 0; axis < 3; ++axis)
        extent = std::max(extent, box.upper[axis] - box.lower[axis]);
    uint64_t rootLength = 1;
    while (rootLength < extent)
        rootLength *= 2;
    if (rootLength > kMaxRootLength) {
        qWarning("OctreeSurface: the cut box is too large for the octree");
        return;
    }
    Node root;
    std::copy(box.lower.begin(), box.lower.end(), root.origin);
    root.length = uint32_t(rootLength);
    nodes.push_back(root);

    int32_t last = 0; // the leaf the previous cell ended in
    for (uint32_t x = box.lower[0]; x < box.upper[0]; ++x) {
        for (uint32_t y = box.lower[1]; y < box.upper[1]; ++y) {
            size_t i = grid.index(x, y, box.lower[2]);
            for (uint32_t z = box.lower[2]; z < box.upper[2]; ++z, ++i) {
                if (cells[i].materialId != 0 && cells[i].cutCount == 0)
                    last = insert(last, x, y, z, cells[i].materialId);
            }
        }
    }
    emitFaces(colors);
}

int32_t OctreeSurface::insert(int32_t start, uint32_t x, uint32_t y, uint32_t z, uint32_t material)
{
    const uint32_t cell[3] = {x, y, z};
    // Climb to a node that contains the cell. Every ancestor of a node is an inner node, so going
    // down from there is the same as going down from the root.
    int32_t current = start;
    while (!contains(nodes[size_t(current)], cell))
        current = nodes[size_t(current)].parent;
    while (nodes[size_t(current)].length / 2 >= 1) {
        if (nodes[size_t(current)].isLeaf()) {
            // A leaf of the same material already holds this cell.
            if (nodes[size_t(current)].material == material)
                return current;
            split(current);
        }
        const Node &node = nodes[size_t(current)];
        const uint32_t half = node.length / 2;
        int child = 0;
        for (int axis = 0; axis < 3; ++axis)
            child |= int((cell[axis] - node.origin[axis]) / half) << axisBit(axis);
        current = node.firstChild + child;
    }
    nodes[size_t(current)].material = material;
    return collapseFrom(current);
}

bool OctreeSurface::contains(const Node &node, const uint32_t cell[3])
{
    for (int axis = 0; axis < 3; ++axis) {
        if (cell[axis] < node.origin[axis] || cell[axis] - node.origin[axis] >= node.length)
            return false;
    }
    return true;
}

void OctreeSurface::split(int32_t index)
{
    int32_t first;
    if (!freeBlocks.empty()) {
        first = freeBlocks.back();
        freeBlocks.pop_back();
    } else {
        first = int32_t(nodes.size());
        nodes.resize(nodes.size() + 8);
    }
    Node &parent = nodes[size_t(index)];
    parent.firstChild = first;
    const uint32_t half = parent.length / 2;
    for (int k = 0; k < 8; ++k) {
        Node &child = nodes[size_t(first + k)];
        child = Node();
        child.material = parent.material;
        child.parent = index;
        child.length = half;
        for (int axis = 0; axis < 3; ++axis)
            child.origin[axis] = parent.origin[axis] + ((k >> axisBit(axis)) & 1) * half;
    }
}

int32_t OctreeSurface::collapseFrom(int32_t leaf)
{
    int32_t index = nodes[size_t(leaf)].parent;
    while (index >= 0) {
        Node &node = nodes[size_t(index)];
        const Node *children = &nodes[size_t(node.firstChild)];
        for (int k = 0; k < 8; ++k) {
            if (!children[k].isLeaf() || children[k].material != children[0].material)
                return leaf;
        }
        node.material = children[0].material;
        freeBlocks.push_back(node.firstChild);
        node.firstChild = -1;
        leaf = index;
        index = node.parent;
    }
    return leaf;
}

int32_t OctreeSurface::neighbour(const Node &leaf, int direction) const
{
    // A cell just across the side, then the deepest node containing it that is not smaller.
    const int axis = 2 - direction / 2;
    int64_t point[3] = {leaf.origin[0], leaf.origin[1], leaf.origin[2]};
    point[axis] += (direction & 1) ? int64_t(leaf.length) : -1;
    const Node &root = nodes[0];
    for (int a = 0; a < 3; ++a) {
        if (point[a] < int64_t(root.origin[a]) || point[a] >= int64_t(root.origin[a]) + root.length)
            return -1;
    }
    int32_t current = 0;
    while (!nodes[size_t(current)].isLeaf() && nodes[size_t(current)].length > leaf.length) {
        const Node &node = nodes[size_t(current)];
        const uint32_t half = node.length / 2;
        int child = 0;
        for (int a = 0; a < 3; ++a)
            child |= int((uint64_t(point[a]) - node.origin[a]) / half) << axisBit(a);
        current = node.firstChild + child;
    }
    return current;
}

void OctreeSurface::emitSide(int32_t index, int side, bool translucentWanted, const MaterialColorMap &colors)
{
    const Node &node = nodes[size_t(index)];
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
    const int bit = axisBit(2 - side / 2);
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
        const Node &node = nodes[size_t(index)];
        if (!node.isLeaf()) {
            for (int k = 7; k >= 0; --k)
                stack.push_back(node.firstChild + k);
            continue;
        }
        const bool empty = node.material == 0;
        if (!empty && colors.color(node.material).a > kOpaqueAlpha)
            continue;
        for (int direction = 0; direction < 6; ++direction) {
            const int32_t across = neighbour(nodes[size_t(index)], direction);
            if (across >= 0)
                emitSide(across, Geometry::oppositeDirection(direction), empty, colors);
        }
    }
    for (int side : kRootSideOrder)
        emitSide(0, side, true, colors);
}

size_t OctreeSurface::nodeCount() const
{
    return nodes.size() - freeBlocks.size() * 8;
}

size_t OctreeSurface::leafCount() const
{
    size_t leaves = 0;
    std::vector<int32_t> stack;
    if (!nodes.empty())
        stack.push_back(0);
    while (!stack.empty()) {
        const Node &node = nodes[size_t(stack.back())];
        stack.pop_back();
        if (node.isLeaf()) {
            ++leaves;
            continue;
        }
        for (int k = 0; k < 8; ++k)
            stack.push_back(node.firstChild + k);
    }
    return leaves;
}

} // namespace Model::Automaton
