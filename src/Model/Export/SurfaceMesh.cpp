#include "Model/Export/SurfaceMesh.h"

#include "Model/Automaton/KeyedIndexSort.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace Model::Export {

using Automaton::KeyedIndex;

SurfaceMeshBuilder::SurfaceMeshBuilder(const uint32_t sizes[3], const Geometry::Point3 &cellSize,
                                       const Util::Vector3D &position)
    : position(position)
{
    for (int axis = 0; axis < 3; ++axis) {
        lattice[axis] = 2 * uint64_t(sizes[axis]) + 1;
        stepsPerUnit[axis] = 2.0 / double(cellSize[size_t(axis)]);
        halfCell[axis] = 0.5 * double(cellSize[size_t(axis)]);
    }
}

void SurfaceMeshBuilder::addCorner(const Geometry::Point3 &corner)
{
    uint64_t key = 0;
    for (int axis = 0; axis < 3; ++axis) {
        const double steps = std::round(double(corner[size_t(axis)]) * stepsPerUnit[axis]);
        const uint64_t half = steps > 0.0 ? std::min(uint64_t(steps), lattice[axis] - 1) : 0;
        key = key * lattice[axis] + half;
        cornerPoints.push_back(float(position[axis] + double(half) * halfCell[axis]));
    }
    cornerKeys.push_back(key);
}

void SurfaceMeshBuilder::addFaces(const std::vector<Geometry::QuadFace> &faces)
{
    cornerKeys.reserve(cornerKeys.size() + faces.size() * 4);
    cornerPoints.reserve(cornerPoints.size() + faces.size() * 12);
    corners.reserve(corners.size() + faces.size() * 6);
    materials.reserve(materials.size() + faces.size() * 2);
    for (const Geometry::QuadFace &face : faces) {
        const auto first = uint32_t(cornerKeys.size());
        for (const Geometry::Point3 &corner : face.corners)
            addCorner(corner);
        corners.insert(corners.end(), {first, first + 1, first + 2, first, first + 2, first + 3});
        materials.insert(materials.end(), {face.materialId, face.materialId});
    }
}

void SurfaceMeshBuilder::addTriangles(const std::vector<Automaton::Triangle> &triangles)
{
    cornerKeys.reserve(cornerKeys.size() + triangles.size() * 3);
    cornerPoints.reserve(cornerPoints.size() + triangles.size() * 9);
    corners.reserve(corners.size() + triangles.size() * 3);
    materials.reserve(materials.size() + triangles.size());
    for (const Automaton::Triangle &triangle : triangles) {
        for (const Automaton::TriangleVertex &vertex : triangle.vertices) {
            corners.push_back(uint32_t(cornerKeys.size()));
            addCorner(vertex.position);
        }
        // A triangle spanning two materials takes the one most of its corners carry.
        const auto &v = triangle.vertices;
        materials.push_back(v[1].materialId == v[2].materialId ? v[1].materialId : v[0].materialId);
    }
}

SurfaceMesh SurfaceMeshBuilder::build(Points points)
{
    if (cornerKeys.size() > UINT32_MAX)
        throw std::length_error("the surface has too many corners to number");
    SurfaceMesh mesh;
    if (points == Points::Welded) {
        mesh = weld();
    } else {
        mesh.points = std::move(cornerPoints);
        mesh.triangles = std::move(corners);
    }
    mesh.materials = std::move(materials);
    cornerKeys.clear();
    cornerPoints.clear();
    corners.clear();
    materials.clear();
    return mesh;
}

SurfaceMesh SurfaceMeshBuilder::weld()
{
    std::vector<KeyedIndex> keyed(cornerKeys.size());
    for (size_t i = 0; i < cornerKeys.size(); ++i)
        keyed[i] = {cornerKeys[i], uint32_t(i)};
    Automaton::sortByKeyStable(keyed);
    SurfaceMesh mesh;
    std::vector<uint32_t> pointOfCorner(keyed.size());
    for (size_t i = 0; i < keyed.size(); ++i) {
        if (i == 0 || keyed[i].key != keyed[i - 1].key) {
            const float *point = cornerPoints.data() + size_t(keyed[i].index) * 3;
            mesh.points.insert(mesh.points.end(), point, point + 3);
        }
        pointOfCorner[keyed[i].index] = uint32_t(mesh.points.size() / 3 - 1);
    }
    mesh.triangles.resize(corners.size());
    for (size_t i = 0; i < corners.size(); ++i)
        mesh.triangles[i] = pointOfCorner[corners[i]];
    return mesh;
}

} // namespace Model::Export
