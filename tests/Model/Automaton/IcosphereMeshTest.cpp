#include "Model/Automaton/IcosphereMesh.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

using Model::Automaton::IcosphereMesh;

TEST(IcosphereMesh, EveryLevelIsAClosedOutwardSphereOverOneTable)
{
    const IcosphereMesh &mesh = IcosphereMesh::instance();
    ASSERT_EQ(mesh.vertices().size(), 162u);
    EXPECT_NEAR(mesh.vertices()[0].y, 0.5257311, 1e-6);
    EXPECT_NEAR(mesh.vertices()[0].z, 0.8506508, 1e-6);
    for (const auto &v : mesh.vertices())
        EXPECT_NEAR(std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z), 1.0, 1e-12);
    const size_t triangles[] = {20, 80, 320};
    for (uint32_t level = 0; level < IcosphereMesh::kLevels; ++level) {
        const auto &indices = mesh.triangles(level);
        ASSERT_EQ(indices.size(), 3 * triangles[level]);
        // Closed and consistently wound: every directed edge once, and its reverse once.
        std::map<std::pair<uint32_t, uint32_t>, int> edges;
        for (size_t t = 0; t < indices.size(); t += 3) {
            const auto &a = mesh.vertices()[indices[t]], &b = mesh.vertices()[indices[t + 1]],
                       &c = mesh.vertices()[indices[t + 2]];
            // (b - a) × (c - a) points away from the centre.
            const double nx = (b.y - a.y) * (c.z - a.z) - (b.z - a.z) * (c.y - a.y);
            const double ny = (b.z - a.z) * (c.x - a.x) - (b.x - a.x) * (c.z - a.z);
            const double nz = (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
            EXPECT_GT(nx * a.x + ny * a.y + nz * a.z, 0.0) << level;
            for (int e = 0; e < 3; ++e)
                ++edges[{indices[t + e], indices[t + (e + 1) % 3]}];
        }
        for (const auto &[edge, count] : edges)
            EXPECT_TRUE(count == 1 && edges.count({edge.second, edge.first}) == 1);
    }
}
