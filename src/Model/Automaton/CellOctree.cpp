#include "Model/Automaton/CellOctree.h"

#include "Model/Automaton/LayerBits.h"

#include <algorithm>
#include <utility>

namespace Model::Automaton {
namespace {

// A cube of the tree under construction: of one value throughout (firstChild < 0), or mixed,
// with its eight children already placed as nodes from firstChild on.
struct Block {
    uint32_t material = 0;
    int32_t firstChild = -1;
    bool isUniform() const { return firstChild < 0; }
};

// The blocks of one level that lie in one x-slab of the box: rows (y) × columns (z). Blocks past
// the box's side are empty and not stored.
struct BlockSlab {
    uint32_t rows = 0;
    uint32_t columns = 0;
    std::vector<Block> blocks;
    Block at(uint32_t row, uint32_t column) const
    {
        return row < rows && column < columns ? blocks[size_t(row) * columns + column] : Block();
    }
};

// Builds the tree level by level while walking along x: cells merge into blocks of 2, pairs of
// x-slabs of one level into a slab of the next, like the carries of a binary counter, so that only
// one pending slab per level is kept. Eight blocks of one value merge into one; otherwise they
// become the children of a mixed block.
class BottomUpBuilder {
public:
    BottomUpBuilder(const Voxel *cells, const CellGrid &grid, const CutBox &box, uint32_t levels,
                    std::vector<CellOctree::Node> &nodes)
        : cells(cells), grid(grid), box(box), levels(levels), nodes(nodes), pending(levels + 1),
          produced(levels + 1, 0)
    {
        for (int axis = 0; axis < 3; ++axis)
            extent[axis] = box.upper[axis] - box.lower[axis];
    }

    void run()
    {
        nodes.assign(1, CellOctree::Node()); // the root, placed last
        Block root;
        if (levels == 0) {
            root.material = value(grid.index(box.lower[0], box.lower[1], box.lower[2]));
        } else {
            for (uint32_t slab = 0; slab < halves(extent[0], 1); ++slab)
                carry(cellPairSlab(slab), 1);
            // A level whose last slab has no partner pairs it with the empty rest of the cube.
            for (uint32_t level = 1; level < levels; ++level) {
                if (produced[level] % 2 == 1)
                    carry(merge(&pending[level], nullptr, level, produced[level] / 2), level + 1);
            }
            root = rootBlock;
        }
        CellOctree::Node &node = nodes[0];
        std::copy(box.lower.begin(), box.lower.end(), node.origin);
        node.length = uint32_t(1) << levels;
        place(0, root);
    }

private:
    // Blocks of length 2^level needed to cover `cells` cells.
    static uint32_t halves(uint32_t cells, uint32_t level)
    {
        return uint32_t((uint64_t(cells) + (uint64_t(1) << level) - 1) >> level);
    }

    uint32_t value(size_t i) const { return cells[i].cutCount == 0 ? cells[i].materialId : 0; }

    // Hands slab number produced[level] of `level` up: kept until its partner comes, then merged.
    void carry(BlockSlab slab, uint32_t level)
    {
        const uint32_t index = produced[level]++;
        if (level == levels) {
            rootBlock = slab.blocks.empty() ? Block() : slab.blocks[0];
            return;
        }
        if (index % 2 == 0) {
            pending[level] = std::move(slab);
            return;
        }
        carry(merge(&pending[level], &slab, level, index / 2), level + 1);
    }

    // Slab `x` of level + 1 from the two slabs of `level` it covers (null: empty).
    BlockSlab merge(const BlockSlab *low, const BlockSlab *high, uint32_t level, uint32_t x)
    {
        BlockSlab out{halves(extent[1], level + 1), halves(extent[2], level + 1), {}};
        out.blocks.resize(size_t(out.rows) * out.columns);
        const uint32_t childLength = uint32_t(1) << level;
        for (uint32_t row = 0; row < out.rows; ++row) {
            for (uint32_t column = 0; column < out.columns; ++column) {
                Block children[8];
                for (int c = 0; c < 8; ++c) {
                    const BlockSlab *slab = (c & 4) ? high : low;
                    if (slab)
                        children[c] = slab->at(row * 2 + ((c >> 1) & 1), column * 2 + (c & 1));
                }
                const uint32_t origin[3] = {x * 2, row * 2, column * 2};
                out.blocks[size_t(row) * out.columns + column] = combine(children, origin, childLength);
            }
        }
        return out;
    }

    // The blocks of two cells per side in x-slab `x` of the box.
    BlockSlab cellPairSlab(uint32_t x)
    {
        BlockSlab out{halves(extent[1], 1), halves(extent[2], 1), {}};
        out.blocks.resize(size_t(out.rows) * out.columns);
        // The values of the four cell columns of one row of blocks, in child order (x, y).
        column.assign(size_t(4) * out.columns * 2, 0);
        for (uint32_t row = 0; row < out.rows; ++row) {
            for (uint32_t c = 0; c < 4; ++c) {
                uint32_t *values = column.data() + size_t(c) * out.columns * 2;
                const uint32_t cx = x * 2 + (c >> 1);
                const uint32_t cy = row * 2 + (c & 1);
                if (cx >= extent[0] || cy >= extent[1]) {
                    std::fill(values, values + size_t(out.columns) * 2, 0);
                    continue;
                }
                const size_t first = grid.index(box.lower[0] + cx, box.lower[1] + cy, box.lower[2]);
                for (uint32_t z = 0; z < extent[2]; ++z) {
                    prefetchAhead(cells + first + z);
                    values[z] = value(first + z);
                }
            }
            for (uint32_t col = 0; col < out.columns; ++col) {
                Block children[8];
                for (int c = 0; c < 8; ++c)
                    children[c].material = column[size_t(c >> 1) * out.columns * 2 + col * 2 + (c & 1)];
                const uint32_t origin[3] = {x * 2, row * 2, col * 2};
                out.blocks[size_t(row) * out.columns + col] = combine(children, origin, 1);
            }
        }
        return out;
    }

    // One block of eight children of one value, or a mixed block whose children become nodes.
    // `origin` is relative to the box's lower corner.
    Block combine(const Block children[8], const uint32_t origin[3], uint32_t childLength)
    {
        bool uniform = true;
        for (int c = 0; c < 8 && uniform; ++c)
            uniform = children[c].isUniform() && children[c].material == children[0].material;
        if (uniform)
            return children[0];
        const int32_t first = int32_t(nodes.size());
        nodes.resize(nodes.size() + 8);
        for (int c = 0; c < 8; ++c) {
            CellOctree::Node &node = nodes[size_t(first + c)];
            node.length = childLength;
            for (int axis = 0; axis < 3; ++axis)
                node.origin[axis] = box.lower[axis] + origin[axis] * childLength
                                    + ((c >> CellOctree::childBit(axis)) & 1) * childLength;
            place(first + c, children[c]);
        }
        return {0, first};
    }

    // Node `index` becomes `block`: a leaf of its value, or the parent of its children.
    void place(int32_t index, const Block &block)
    {
        CellOctree::Node &node = nodes[size_t(index)];
        node.material = block.isUniform() ? block.material : 0;
        node.firstChild = block.firstChild;
        if (!block.isUniform()) {
            for (int c = 0; c < 8; ++c)
                nodes[size_t(block.firstChild + c)].parent = index;
        }
    }

    const Voxel *cells;
    CellGrid grid;
    CutBox box;
    uint32_t levels;
    std::vector<CellOctree::Node> &nodes;
    uint32_t extent[3];
    std::vector<BlockSlab> pending; // per level: its last slab while it waits for a partner
    std::vector<uint32_t> produced; // per level: slabs made so far
    std::vector<uint32_t> column;
    Block rootBlock;
};

} // namespace

bool CellOctree::build(const Voxel *cells, const CellGrid &grid, const CutBox &box)
{
    clear();
    const CutBox inside = box.clampedTo(grid.sizeX, grid.sizeY, grid.sizeZ);
    if (inside.isEmpty())
        return false;
    uint32_t extent = 0;
    for (int axis = 0; axis < 3; ++axis)
        extent = std::max(extent, inside.upper[axis] - inside.lower[axis]);
    uint32_t levels = 0;
    while ((uint64_t(1) << levels) < extent)
        ++levels;
    if ((uint64_t(1) << levels) > kMaxRootLength)
        return false;
    BottomUpBuilder(cells, grid, inside, levels, nodeList).run();
    return true;
}

void CellOctree::clear()
{
    std::vector<Node>().swap(nodeList);
}

size_t CellOctree::leafCount() const
{
    size_t leaves = 0;
    for (const Node &node : nodeList)
        leaves += node.isLeaf() ? 1 : 0;
    return leaves;
}

bool CellOctree::contains(const Node &node, const int64_t point[3]) const
{
    for (int axis = 0; axis < 3; ++axis) {
        if (point[axis] < int64_t(node.origin[axis])
            || point[axis] >= int64_t(node.origin[axis]) + node.length)
            return false;
    }
    return true;
}

int32_t CellOctree::neighbour(int32_t index, int direction) const
{
    const Node &from = node(index);
    const int axis = 2 - direction / 2;
    int64_t point[3] = {from.origin[0], from.origin[1], from.origin[2]};
    point[axis] += (direction & 1) ? int64_t(from.length) : -1;
    if (!contains(node(0), point))
        return -1;
    // Up to the lowest ancestor that holds the point, then down towards it as a search from the
    // root would go, stopping at a leaf or at the size of the node we started from.
    int32_t current = index;
    while (!contains(node(current), point))
        current = node(current).parent;
    while (!node(current).isLeaf() && node(current).length > from.length) {
        const Node &inner = node(current);
        const uint32_t half = inner.length / 2;
        int child = 0;
        for (int a = 0; a < 3; ++a)
            child |= int((uint64_t(point[a]) - inner.origin[a]) / half) << CellOctree::childBit(a);
        current = inner.firstChild + child;
    }
    return current;
}

} // namespace Model::Automaton
