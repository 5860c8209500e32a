#include "Model/Automaton/IcosphereMesh.h"

#include "Support/ExportFiles.h"

#include <gtest/gtest.h>

#include <cmath>

using Model::Automaton::IcosphereMesh;

TEST(IcosphereMesh, EveryLevelIsAClosedOutwardSphereOverOneTable)
{
    const IcosphereMesh &mesh = IcosphereMesh::instance();
    ASSERT_EQ(mesh.vertices().size(), 162u);
    for (const auto &v : mesh.vertices())
        EXPECT_NEAR(std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z), 1.0, 1e-12);
    const size_t triangles[] = {20, 80, 320};
    for (uint32_t level = 0; level < IcosphereMesh::kLevels; ++level) {
        const auto &indices = mesh.triangles(level);
        ASSERT_EQ(indices.size(), 3 * triangles[level]);
        std::vector<ExportFiles::StlTriangle> faces(triangles[level]);
        for (size_t i = 0; i < indices.size(); ++i) {
            const Util::Vector3D &v = mesh.vertices()[indices[i]];
            faces[i / 3].corners[i % 3] = {float(v.x), float(v.y), float(v.z)};
        }
        // Closed, consistently wound, and wound outwards.
        const ExportFiles::MeshFacts facts = ExportFiles::meshFacts(faces);
        EXPECT_TRUE(facts.everyEdgeTwiceOppositely) << level;
        EXPECT_GT(facts.signedVolume, 0.0) << level;
    }
}
