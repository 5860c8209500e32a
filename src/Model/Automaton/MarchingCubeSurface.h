#pragma once

#include "Model/Automaton/CellGrid.h"
#include "Model/Automaton/CutBox.h"
#include "Model/Automaton/MaterialColorMap.h"
#include "Model/Automaton/Triangle.h"
#include "Model/Automaton/TriangleVertexArrays.h"
#include "Model/Automaton/Voxel.h"

#include <QMutex>

#include <vector>

namespace Model::Automaton {

class TotalVolume;

// A smooth-looking triangle surface around the non-empty cells of a cut box: marching cubes on
// the cell corners with edge-midpoint vertices, then normals averaged per nearest grid point.
// Corners on or below the box's lower limits count as empty, which closes the surface there.
class MarchingCubeSurface {
public:
    explicit MarchingCubeSurface(TotalVolume &volume);

    // Rebuilds the triangles under this surface's lock and the volume's cell lock.
    void build(const CutBox &box);
    // Drops the triangles (another algorithm is shown).
    void clear();

    // Held while building and while drawing; readers of triangles() take it too.
    QMutex &mutex() const { return surfaceMutex; }
    const std::vector<Triangle> &triangles() const { return triangleList; }
    const MaterialColorMap &colors() const { return colorMap; }

    // Draws the triangles, each vertex with its normal and its material's colour (RGB; a vertex
    // whose material has no colour keeps the colour in effect). Takes the lock.
    void draw();

    // The same generation on a bare cell array (the caller holds the cell lock), for the build
    // and for tests: triangles in sample order, normals smoothed.
    static std::vector<Triangle> generate(const Voxel *cells, const CellGrid &grid, const CutBox &box);

private:
    TotalVolume &volume;
    uint32_t sizeX;
    uint32_t sizeY;
    uint32_t sizeZ;
    std::vector<Triangle> triangleList;
    MaterialColorMap colorMap;
    TriangleVertexArrays arrays;
    mutable QMutex surfaceMutex;
};

} // namespace Model::Automaton
