#pragma once

#include "Model/Automaton/Triangle.h"
#include "Model/Geometry/QuadFace.h"
#include "Util/Vector3D.h"

#include <cstdint>
#include <vector>

namespace Model::Export {

// A triangle mesh in world units: points, triangles as three point indices in counter-clockwise
// order seen from outside, and the material of each triangle. Corners on one lattice point have
// bitwise equal coordinates whether or not the points are shared.
struct SurfaceMesh {
    std::vector<float> points;       // x, y, z of each point
    std::vector<uint32_t> triangles; // three point indices per triangle
    std::vector<uint32_t> materials; // one material id per triangle

    size_t pointCount() const { return points.size() / 3; }
    size_t triangleCount() const { return materials.size(); }
};

// Collects the faces and triangles of a volume's drawn surface. Corners are placed on the
// half-cell lattice of the volume (cell faces lie on whole cells, marching-cubes vertices on
// edge midpoints) at position + index × cell size, so one lattice point has one set of
// coordinates whichever face it came from, and welding joins exactly the corners that meet.
class SurfaceMeshBuilder {
public:
    enum class Points {
        Welded,   // one point per lattice point, shared by the triangles that meet there
        PerCorner // a point per face corner (enough for formats that list coordinates per triangle)
    };

    // `sizes`: the volume's cell counts; `cellSize` and `position` in world units.
    SurfaceMeshBuilder(const uint32_t sizes[3], const Geometry::Point3 &cellSize,
                       const Util::Vector3D &position);

    // A cell face becomes two triangles (corners 0, 1, 2 and 0, 2, 3).
    void addFaces(const std::vector<Geometry::QuadFace> &faces);
    void addTriangles(const std::vector<Automaton::Triangle> &triangles);

    // The mesh; the builder is left empty.
    SurfaceMesh build(Points points);

private:
    void addCorner(const Geometry::Point3 &corner);
    SurfaceMesh weld();

    uint64_t lattice[3]; // half-cell lattice points per axis
    double stepsPerUnit[3];
    double halfCell[3];
    Util::Vector3D position;
    std::vector<uint64_t> cornerKeys; // lattice key of every collected corner
    std::vector<float> cornerPoints;  // its coordinates
    std::vector<uint32_t> corners;    // three corner numbers per triangle
    std::vector<uint32_t> materials;
};

} // namespace Model::Export
