#include "Model/Export/SurfaceMesh.h"

#include "Model/Automaton/KeyedIndexSort.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace Model::Export {

using Automaton::KeyedIndex;

SurfaceMeshBuilder::SurfaceMeshBuilder(const uint32_t sizes[3], const Geometry::Point3 &cellSize,
                                       const Util::Vector3D &position)
    : cellSize(cellSize), position(position)
{
    for (int axis = 0; axis < 3; ++axis)
        lattice[axis] = 2 * uint64_t(sizes[axis]) + 1;
}

uint64_t SurfaceMeshBuilder::keyOf(const Geometry::Point3 &corner) const
{
    uint64_t half[3];
    for (int axis = 0; axis < 3; ++axis) {
        const double steps = std::round(2.0 * double(corner[size_t(axis)]) / double(cellSize[size_t(axis)]));
        half[axis] = steps > 0.0 ? std::min(uint64_t(steps), lattice[axis] - 1) : 0;
    }
    return (half[0] * lattice[1] + half[1]) * lattice[2] + half[2];
}

void SurfaceMeshBuilder::addFaces(const std::vector<Geometry::QuadFace> &faces)
{
    cornerKeys.reserve(cornerKeys.size() + faces.size() * 4);
    corners.reserve(corners.size() + faces.size() * 6);
    materials.reserve(materials.size() + faces.size() * 2);
    for (const Geometry::QuadFace &face : faces) {
        const auto first = uint32_t(cornerKeys.size());
        for (const Geometry::Point3 &corner : face.corners)
            cornerKeys.push_back(keyOf(corner));
        corners.insert(corners.end(), {first, first + 1, first + 2, first, first + 2, first + 3});
        materials.insert(materials.end(), {face.materialId, face.materialId});
    }
}

void SurfaceMeshBuilder::addTriangles(const std::vector<Automaton::Triangle> &triangles)
{
    cornerKeys.reserve(cornerKeys.size() + triangles.size() * 3);
    corners.reserve(corners.size() + triangles.size() * 3);
    materials.reserve(materials.size() + triangles.size());
    for (const Automaton::Triangle &triangle : triangles) {
        for (const Automaton::TriangleVertex &vertex : triangle.vertices) {
            corners.push_back(uint32_t(cornerKeys.size()));
            cornerKeys.push_back(keyOf(vertex.position));
        }
        // A triangle spanning two materials takes the one most of its corners carry.
        const auto &v = triangle.vertices;
        materials.push_back(v[1].materialId == v[2].materialId ? v[1].materialId : v[0].materialId);
    }
}

SurfaceMesh SurfaceMeshBuilder::weld()
{
    if (cornerKeys.size() > UINT32_MAX)
        throw std::length_error("the surface has too many corners to number");
    std::vector<KeyedIndex> keyed(cornerKeys.size());
    for (size_t i = 0; i < cornerKeys.size(); ++i)
        keyed[i] = {cornerKeys[i], uint32_t(i)};
    std::vector<uint64_t>().swap(cornerKeys);
    Automaton::sortByKeyStable(keyed);

    SurfaceMesh mesh;
    std::vector<uint32_t> pointOfCorner(keyed.size());
    for (size_t i = 0; i < keyed.size(); ++i) {
        if (i == 0 || keyed[i].key != keyed[i - 1].key) {
            const uint64_t key = keyed[i].key;
            const uint64_t half[3] = {key / (lattice[1] * lattice[2]), (key / lattice[2]) % lattice[1],
                                      key % lattice[2]};
            for (int axis = 0; axis < 3; ++axis)
                mesh.points.push_back(
                    float(position[axis] + double(half[axis]) * 0.5 * double(cellSize[size_t(axis)])));
        }
        pointOfCorner[keyed[i].index] = uint32_t(mesh.points.size() / 3 - 1);
    }
    mesh.triangles.resize(corners.size());
    for (size_t i = 0; i < corners.size(); ++i)
        mesh.triangles[i] = pointOfCorner[corners[i]];
    mesh.materials = std::move(materials);
    std::vector<uint32_t>().swap(corners);
    return mesh;
}

} // namespace Model::Export
