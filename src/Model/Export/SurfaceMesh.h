#pragma once

#include "Model/Automaton/Triangle.h"
#include "Model/Geometry/QuadFace.h"
#include "Util/Vector3D.h"

#include <cstdint>
#include <vector>

namespace Model::Export {

// A triangle mesh in world units: shared (welded) points, triangles as three point indices in
// counter-clockwise order seen from outside, and the material of each triangle.
struct SurfaceMesh {
    std::vector<float> points;       // x, y, z of each point
    std::vector<uint32_t> triangles; // three point indices per triangle
    std::vector<uint32_t> materials; // one material id per triangle

    size_t pointCount() const { return points.size() / 3; }
    size_t triangleCount() const { return materials.size(); }
};

// Collects the faces and triangles of a volume's drawn surface and welds their corners into
// shared points. Corners are keyed on the half-cell lattice of the volume (cell faces lie on
// whole cells, marching-cubes vertices on edge midpoints), so one lattice point is one mesh
// point whichever face it came from, and its coordinates are position + index × cell size.
class SurfaceMeshBuilder {
public:
    // `sizes`: the volume's cell counts; `cellSize` and `position` in world units.
    SurfaceMeshBuilder(const uint32_t sizes[3], const Geometry::Point3 &cellSize,
                       const Util::Vector3D &position);

    // A cell face becomes two triangles (corners 0, 1, 2 and 0, 2, 3).
    void addFaces(const std::vector<Geometry::QuadFace> &faces);
    void addTriangles(const std::vector<Automaton::Triangle> &triangles);

    // The mesh; the builder is left empty.
    SurfaceMesh weld();

private:
    uint64_t keyOf(const Geometry::Point3 &corner) const;

    uint64_t lattice[3]; // half-cell lattice points per axis
    Geometry::Point3 cellSize;
    Util::Vector3D position;
    std::vector<uint64_t> cornerKeys; // lattice key of every collected corner
    std::vector<uint32_t> corners;    // three corner numbers per triangle
    std::vector<uint32_t> materials;
};

} // namespace Model::Export
