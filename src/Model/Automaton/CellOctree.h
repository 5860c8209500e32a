#pragma once

#include "Model/Automaton/CellGrid.h"
#include "Model/Automaton/CutBox.h"
#include "Model/Automaton/Voxel.h"

#include <cstdint>
#include <vector>

namespace Model::Automaton {

// The octree of the cells of a cut box: a cube of 2^n cells from the box's lower corner, n the
// least that covers the box's largest extent. A cell's value is its material, or 0 when it is
// empty, cut away or outside the box. A node is a leaf exactly when all its cells have one value
// (a block of one material is one leaf, however large). Child k of a node lies at its origin
// plus (bit 2 of k for x, bit 1 for y, bit 0 for z) times half its length.
class CellOctree {
public:
    struct Node {
        uint32_t material = 0; // of a leaf
        int32_t parent = -1;
        int32_t firstChild = -1; // the eight children are consecutive; -1 for a leaf
        uint32_t origin[3] = {0, 0, 0};
        uint32_t length = 1;
        bool isLeaf() const { return firstChild < 0; }
    };

    // The largest root edge the tree accepts (child offsets must fit in 32 bits).
    static constexpr uint64_t kMaxRootLength = uint64_t(1) << 31;

    // The bit of a child index that says on which side of its parent's middle the child lies
    // along `axis` (0 x, 1 y, 2 z).
    static constexpr int childBit(int axis) { return 2 - axis; }

    // Builds the tree of the box (limited to the volume) from the bottom up, reading every cell of
    // the box once. False, with no tree, when the box is empty or too large.
    bool build(const Voxel *cells, const CellGrid &grid, const CutBox &box);
    void clear();

    bool isEmpty() const { return nodeList.empty(); }
    // Node 0 is the root.
    const Node &node(int32_t index) const { return nodeList[size_t(index)]; }
    size_t nodeCount() const { return nodeList.size(); }
    size_t leafCount() const;

    // The node across side `direction` (face-table order) of node `index`: the deepest node of at
    // least its size that holds the cell just across that side; -1 outside the root.
    int32_t neighbour(int32_t index, int direction) const;

private:
    bool contains(const Node &node, const int64_t point[3]) const;

    std::vector<Node> nodeList;
};

} // namespace Model::Automaton
