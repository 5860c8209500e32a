#pragma once

#include "Model/Automaton/CubicFaceBuilder.h"
#include "Model/Automaton/TotalVolume.h"
#include "Model/Geometry/QuadFace.h"
#include "Model/Materials/MaterialFactory.h"
#include "Support/Volumes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <tuple>
#include <vector>

// Test materials and face helpers for the surface generator tests.
namespace SurfaceTest {

using Model::Automaton::TotalVolume;

// Built-in opaque materials (alpha 1): 1 "Si", 3 "Thermal Si02".
constexpr uint32_t kOpaqueA = 1;
constexpr uint32_t kOpaqueB = 3;
// Test materials added to the catalogue by installMaterials().
constexpr uint32_t kTranslucentA = 2001; // alpha 0.5
constexpr uint32_t kTranslucentB = 2002; // alpha 0.5
constexpr uint32_t kInvisible = 2003;    // alpha 0

inline void installMaterials()
{
    auto factory = Model::Materials::MaterialFactory::instance();
    factory->createDefaultMaterials();
    factory->addMaterial({kTranslucentA, "Translucent A", 1000, 1e9f, 0.3f, {0.2f, 0.4f, 0.9f, 0.5f}});
    factory->addMaterial({kTranslucentB, "Translucent B", 1000, 1e9f, 0.3f, {0.9f, 0.4f, 0.2f, 0.5f}});
    factory->addMaterial({kInvisible, "Invisible", 1000, 1e9f, 0.3f, {0.1f, 0.1f, 0.1f, 0.0f}});
}

// The six face directions as cell steps, in the order of the face table.
constexpr int kStep[6][3] = {{0, 0, -1}, {0, 0, 1}, {0, -1, 0}, {0, 1, 0}, {-1, 0, 0}, {1, 0, 0}};

// A test that starts from the built-in catalogue plus the test materials.
class SurfaceMaterialsTest : public ::testing::Test {
protected:
    void SetUp() override { installMaterials(); }
};

inline bool insideBox(const Model::Automaton::CutBox &box, int x, int y, int z)
{
    return x >= int(box.lower[0]) && x < int(box.upper[0]) && y >= int(box.lower[1]) && y < int(box.upper[1])
           && z >= int(box.lower[2]) && z < int(box.upper[2]);
}

inline Model::Automaton::CutBox wholeBox(const TotalVolume &volume)
{
    return {{0, 0, 0}, {volume.getSizeX(), volume.getSizeY(), volume.getSizeZ()}};
}

// The cell faces of `box` coloured by material, as the direct cubic algorithm builds them.
inline Model::Automaton::CubicFaceLists buildCubicFaces(TotalVolume &volume,
                                                        const Model::Automaton::CutBox &box)
{
    using namespace Model::Automaton;
    const MaterialColorMap colors = MaterialColorMap::fromCatalogue();
    CellsLocker cells(volume);
    return CubicFaceBuilder<MaterialColorSource>(cells.get(), CellGrid::of(volume), box,
                                                 MaterialColorSource(colors))
        .build();
}

inline Model::Automaton::CubicFaceLists buildCubicFaces(TotalVolume &volume)
{
    return buildCubicFaces(volume, wholeBox(volume));
}

inline bool sameFaces(const std::vector<Model::Geometry::QuadFace> &a,
                      const std::vector<Model::Geometry::QuadFace> &b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (!a[i].sameAs(b[i]))
            return false;
    }
    return true;
}

// The cell a unit face belongs to (its lower corner minus the side offset), in cells.
struct FaceKey {
    int x, y, z, direction;
    bool operator<(const FaceKey &o) const
    {
        return std::tie(x, y, z, direction) < std::tie(o.x, o.y, o.z, o.direction);
    }
    bool operator==(const FaceKey &o) const
    {
        return x == o.x && y == o.y && z == o.z && direction == o.direction;
    }
};

// For unit faces of a grid with cell size `cell`: the owning cell and side.
inline FaceKey keyOf(const Model::Geometry::QuadFace &face, float cell = 1.0f)
{
    float low[3] = {1e30f, 1e30f, 1e30f};
    for (const auto &corner : face.corners)
        for (int a = 0; a < 3; ++a)
            low[a] = std::min(low[a], corner[size_t(a)] / cell);
    int c[3] = {int(std::lround(low[0])), int(std::lround(low[1])), int(std::lround(low[2]))};
    const int d = face.direction();
    if (d & 1)
        c[2 - d / 2] -= 1; // the high side's plane lies one cell above the cell's origin
    return {c[0], c[1], c[2], d};
}

} // namespace SurfaceTest
