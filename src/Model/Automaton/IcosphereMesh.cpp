#include "Model/Automaton/IcosphereMesh.h"

#include <cmath>
#include <map>
#include <utility>

namespace Model::Automaton {
namespace {

Util::Vector3D normalized(const Util::Vector3D &v)
{
    const double length = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
    return Util::Vector3D(v.x / length, v.y / length, v.z / length);
}

double distance(const Util::Vector3D &a, const Util::Vector3D &b)
{
    return std::sqrt((a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y) + (a.z - b.z) * (a.z - b.z));
}

// The icosahedron's corners: cyclic permutations of (0, ±X, ±Z).
std::vector<Util::Vector3D> icosahedronCorners()
{
    const double golden = (1.0 + std::sqrt(5.0)) / 2.0;
    const double x = 1.0 / std::sqrt(1.0 + golden * golden), z = golden * x;
    std::vector<Util::Vector3D> corners;
    for (int axis = 0; axis < 3; ++axis)
        for (double sx : {1.0, -1.0})
            for (double sz : {1.0, -1.0}) {
                const double c[3] = {0.0, sx * x, sz * z};
                corners.emplace_back(c[(3 - axis) % 3], c[(4 - axis) % 3], c[(5 - axis) % 3]);
            }
    return corners;
}

// The twenty faces: every triple of mutually nearest corners, turned to face outwards.
std::vector<uint32_t> icosahedronFaces(const std::vector<Util::Vector3D> &corners)
{
    // (0, X, Z) and (0, -X, Z) are neighbours: the edge is 2X long.
    const double edge = distance(corners[0], corners[2]);
    const auto adjacent = [&](uint32_t a, uint32_t b) {
        return distance(corners[a], corners[b]) < edge * 1.01;
    };
    std::vector<uint32_t> faces;
    for (uint32_t a = 0; a < 12; ++a)
        for (uint32_t b = a + 1; b < 12; ++b)
            for (uint32_t c = b + 1; c < 12; ++c) {
                if (!adjacent(a, b) || !adjacent(b, c) || !adjacent(a, c))
                    continue;
                const Util::Vector3D &p = corners[a], &q = corners[b], &r = corners[c];
                const double ux = q.x - p.x, uy = q.y - p.y, uz = q.z - p.z;
                const double vx = r.x - p.x, vy = r.y - p.y, vz = r.z - p.z;
                const double nx = uy * vz - uz * vy, ny = uz * vx - ux * vz, nz = ux * vy - uy * vx;
                const bool outwards =
                    nx * (p.x + q.x + r.x) + ny * (p.y + q.y + r.y) + nz * (p.z + q.z + r.z) > 0;
                faces.insert(faces.end(), {a, outwards ? b : c, outwards ? c : b});
            }
    return faces;
}

} // namespace

const IcosphereMesh &IcosphereMesh::instance()
{
    static const IcosphereMesh mesh;
    return mesh;
}

IcosphereMesh::IcosphereMesh() : unitVectors(icosahedronCorners())
{
    levels[0] = icosahedronFaces(unitVectors);
    for (uint32_t level = 1; level < kLevels; ++level) {
        std::map<std::pair<uint32_t, uint32_t>, uint32_t> midpoints;
        const auto midpoint = [&](uint32_t a, uint32_t b) {
            const auto key = std::make_pair(std::min(a, b), std::max(a, b));
            const auto found = midpoints.find(key);
            if (found != midpoints.end())
                return found->second;
            const Util::Vector3D &p = unitVectors[a], &q = unitVectors[b];
            unitVectors.push_back(normalized(Util::Vector3D(p.x + q.x, p.y + q.y, p.z + q.z)));
            return midpoints[key] = uint32_t(unitVectors.size() - 1);
        };
        const std::vector<uint32_t> &coarse = levels[level - 1];
        for (size_t t = 0; t < coarse.size(); t += 3) {
            const uint32_t a = coarse[t], b = coarse[t + 1], c = coarse[t + 2];
            const uint32_t ab = midpoint(a, b), bc = midpoint(b, c), ca = midpoint(c, a);
            levels[level].insert(levels[level].end(), {a, ab, ca, b, bc, ab, c, ca, bc, ab, bc, ca});
        }
    }
}

} // namespace Model::Automaton
