#pragma once

#include "Model/Materials/Material.h"

#include <array>
#include <cstdint>

namespace Model::Geometry {

using Point3 = std::array<float, 3>;

// One row of the cell-face table: the outward normal and the four corner offsets (0 or 1 per
// axis) added to a cell's integer coordinates. Rows 0..5 are -Z, +Z, -Y, +Y, -X, +X.
struct FaceDirection {
    Point3 normal;
    std::array<std::array<uint8_t, 3>, 4> corners;
};

// The six face directions shared by every cubic generator (direct, octree, particle-count).
extern const std::array<FaceDirection, 6> kFaceTable;

// The direction on the other side of a face: 0 <-> 1, 2 <-> 3, 4 <-> 5.
constexpr int oppositeDirection(int direction)
{
    return direction ^ 1;
}

// One drawable face of a cell (or of an octree block): four corners in world units relative to
// the volume's corner, a face and an edge colour, one of the six table normals, the material.
// Every construction takes a new face id from one process-wide counter; copies keep the id.
class QuadFace {
public:
    QuadFace();
    // The face of the block of `length` cells starting at cell (x, y, z) on side `direction`,
    // scaled by the cell size (sx, sy, sz).
    QuadFace(int direction, uint32_t x, uint32_t y, uint32_t z, uint32_t length, const Point3 &cellSize,
             const Materials::RgbaColor &color, uint32_t materialId);
    // The face on side `direction` of the box from `low` to `high` (world units), with a face id
    // taken earlier by takeFaceIds.
    QuadFace(int direction, const Point3 &low, const Point3 &high, const Materials::RgbaColor &color,
             uint32_t materialId, uint32_t faceId);

    // Takes `count` consecutive face ids from the process-wide counter at once (for generators
    // that know how many faces they are about to build); returns the first.
    static uint32_t takeFaceIds(uint32_t count);

    std::array<Point3, 4> corners{};
    Materials::RgbaColor faceColor{0.0f, 0.0f, 0.0f, 0.0f};
    Materials::RgbaColor edgeColor{0.0f, 0.0f, 0.0f, 0.0f};
    uint32_t materialId = 0;

    uint32_t faceId() const { return id; }
    int direction() const { return dir; }
    const Point3 &normal() const { return kFaceTable[dir].normal; }

    // Same corners, colours, normal and material (the face id is not compared).
    bool sameAs(const QuadFace &other) const;

private:
    uint32_t id;
    uint8_t dir = 0;
};

} // namespace Model::Geometry
