#include "Model/Geometry/QuadFace.h"

#include <atomic>

namespace Model::Geometry {
namespace {

std::atomic<uint32_t> nextFaceId{0};

} // namespace

const std::array<FaceDirection, 6> kFaceTable = {{
    {{0.0f, 0.0f, -1.0f}, {{{0, 0, 0}, {0, 1, 0}, {1, 1, 0}, {1, 0, 0}}}},
    {{0.0f, 0.0f, 1.0f}, {{{0, 0, 1}, {1, 0, 1}, {1, 1, 1}, {0, 1, 1}}}},
    {{0.0f, -1.0f, 0.0f}, {{{0, 0, 0}, {1, 0, 0}, {1, 0, 1}, {0, 0, 1}}}},
    {{0.0f, 1.0f, 0.0f}, {{{0, 1, 0}, {0, 1, 1}, {1, 1, 1}, {1, 1, 0}}}},
    {{-1.0f, 0.0f, 0.0f}, {{{0, 0, 0}, {0, 0, 1}, {0, 1, 1}, {0, 1, 0}}}},
    {{1.0f, 0.0f, 0.0f}, {{{1, 0, 0}, {1, 1, 0}, {1, 1, 1}, {1, 0, 1}}}},
}};

QuadFace::QuadFace() : id(nextFaceId.fetch_add(1, std::memory_order_relaxed)) {}

QuadFace::QuadFace(int direction, uint32_t x, uint32_t y, uint32_t z, uint32_t length, const Point3 &cellSize,
                   const Materials::RgbaColor &color, uint32_t materialId)
    : faceColor(color), edgeColor(color), materialId(materialId),
      id(nextFaceId.fetch_add(1, std::memory_order_relaxed)), dir(uint8_t(direction))
{
    const uint32_t origin[3] = {x, y, z};
    const auto &offsets = kFaceTable[direction].corners;
    for (int corner = 0; corner < 4; ++corner) {
        for (int axis = 0; axis < 3; ++axis)
            corners[corner][axis] = float(origin[axis] + offsets[corner][axis] * length) * cellSize[axis];
    }
}

bool QuadFace::sameAs(const QuadFace &other) const
{
    return corners == other.corners && faceColor == other.faceColor && edgeColor == other.edgeColor
           && dir == other.dir && materialId == other.materialId;
}

} // namespace Model::Geometry
