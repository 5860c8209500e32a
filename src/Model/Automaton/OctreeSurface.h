#pragma once

#include "Model/Automaton/CellGrid.h"
#include "Model/Automaton/CellOctree.h"
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

    // Nodes and leaves of the tree.
    size_t nodeCount() const { return tree.nodeCount(); }
    size_t leafCount() const { return tree.leafCount(); }

private:
    void emitSide(int32_t node, int side, bool translucentWanted, const MaterialColorMap &colors);
    void emitFaces(const MaterialColorMap &colors);

    TotalVolume *volume;
    Geometry::Point3 cellSize;
    CellOctree tree;
    std::vector<Geometry::QuadFace> opaque;
    std::vector<Geometry::QuadFace> transparent;
};

} // namespace Model::Automaton
