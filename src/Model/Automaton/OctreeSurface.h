#pragma once

#include "Model/Automaton/CellGrid.h"
#include "Model/Automaton/CutBox.h"
#include "Model/Automaton/MaterialColorMap.h"
#include "Model/Automaton/Voxel.h"
#include "Model/Geometry/QuadFace.h"

#include <vector>

namespace Model::Automaton {

class TotalVolume;

// Faces of a cut box built from an octree of its cells: blocks of one material collapse into
// one node, so a large uniform region yields one quad per side instead of one per cell.
class OctreeSurface {
public:
    explicit OctreeSurface(TotalVolume &volume);

    // Builds the tree from the cells of the box (under the volume's cell lock) and emits faces.
    void build(const CutBox &box);
    // Drops the tree and the faces (another algorithm is shown).
    void clear();

    // The same build on a bare cell array (the caller holds the cell lock).
    void buildFrom(const Voxel *cells, const CellGrid &grid, const CutBox &box,
                   const MaterialColorMap &colors);

    const std::vector<Geometry::QuadFace> &opaqueFaces() const { return opaque; }
    const std::vector<Geometry::QuadFace> &transparentFaces() const { return transparent; }
    // Colours may be changed after the build (selection highlight).
    std::vector<Geometry::QuadFace> &opaqueFacesForRecolouring() { return opaque; }
    std::vector<Geometry::QuadFace> &transparentFacesForRecolouring() { return transparent; }

    // Live nodes of the tree (after collapsing).
    size_t nodeCount() const;
    size_t leafCount() const;

private:
    struct Node {
        uint32_t material = 0;
        int32_t parent = -1;
        int32_t firstChild = -1; // the eight children are consecutive; -1 for a leaf
        uint32_t origin[3] = {0, 0, 0};
        uint32_t length = 1;
        bool isLeaf() const { return firstChild < 0; }
    };

    // Puts one cell into the tree, searching from `start` (any live node), and returns the leaf
    // that holds the cell afterwards.
    int32_t insert(int32_t start, uint32_t x, uint32_t y, uint32_t z, uint32_t material);
    static bool contains(const Node &node, const uint32_t cell[3]);
    void split(int32_t node);
    // Merges uniform groups of eight leaves upwards from `leaf`; returns the leaf that remains.
    int32_t collapseFrom(int32_t leaf);
    int32_t neighbour(const Node &leaf, int direction) const;
    void emitSide(int32_t node, int side, bool translucentWanted, const MaterialColorMap &colors);
    void emitFaces(const MaterialColorMap &colors);

    TotalVolume *volume;
    Geometry::Point3 cellSize;
    std::vector<Node> nodes;         // node 0 is the root
    std::vector<int32_t> freeBlocks; // first indices of released groups of eight
    std::vector<Geometry::QuadFace> opaque;
    std::vector<Geometry::QuadFace> transparent;
};

} // namespace Model::Automaton
