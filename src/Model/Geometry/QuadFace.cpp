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

QuadFace::QuadFace() : id(takeFaceIds(1)) {}

QuadFace::QuadFace(int direction, uint32_t x, uint32_t y, uint32_t z, uint32_t length, const Point3 &cellSize,
                   const Materials::RgbaColor &color, uint32_t materialId)
    : QuadFace(
        direction, {float(x) * cellSize[0], float(y) * cellSize[1], float(z) * cellSize[2]},
        {float(x + length) * cellSize[0], float(y + length) * cellSize[1], float(z + length) * cellSize[2]},
        color, materialId, takeFaceIds(1))
{
}

QuadFace::QuadFace(int direction, const Point3 &low, const Point3 &high, const Materials::RgbaColor &color,
                   uint32_t materialId, uint32_t faceId)
    : faceColor(color), edgeColor(color), materialId(materialId), id(faceId), dir(uint8_t(direction))
{
    const auto &offsets = kFaceTable[direction].corners;
    for (int corner = 0; corner < 4; ++corner) {
        for (int axis = 0; axis < 3; ++axis)
            corners[corner][axis] = offsets[corner][axis] ? high[axis] : low[axis];
    }
}

uint32_t QuadFace::takeFaceIds(uint32_t count)
{
    return nextFaceId.fetch_add(count, std::memory_order_relaxed);
}

bool QuadFace::sameAs(const QuadFace &other) const
{
    return corners == other.corners && faceColor == other.faceColor && edgeColor == other.edgeColor
           && dir == other.dir && materialId == other.materialId;
}

} // namespace Model::Geometry
