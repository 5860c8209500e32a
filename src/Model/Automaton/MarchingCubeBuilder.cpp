#include "Model/Automaton/MarchingCubeBuilder.h"

#include "Model/Automaton/MarchingCubeTables.h"
#include "Model/Automaton/SlicedBuild.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace Model::Automaton {
namespace {

using Vec3 = std::array<float, 3>;

// Corner offsets (x, y, z) of c0..c7 from the sample point.
constexpr uint8_t kCornerOffsets[8][3] = {{0, 1, 0}, {1, 1, 0}, {1, 0, 0}, {0, 0, 0},
                                          {0, 1, 1}, {1, 1, 1}, {1, 0, 1}, {0, 0, 1}};

// How many triangles the table gives each cube index.
const std::array<uint8_t, 256> &triangleCounts()
{
    static const std::array<uint8_t, 256> counts = [] {
        std::array<uint8_t, 256> table{};
        for (size_t index = 0; index < 256; ++index) {
            size_t length = 0;
            while (length < 16 && MarchingCubeTables::kTriangleTable[index][length] != -1)
                ++length;
            table[index] = uint8_t(length / 3);
        }
        return table;
    }();
    return counts;
}

Vec3 cross(const Vec3 &a, const Vec3 &b)
{
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

// Half-up rounding to the nearest grid coordinate; a negative value rounds from the integer
// below it so the rule stays the same on both sides of zero.
int64_t roundToGrid(double value)
{
    if (value >= 0.0)
        return int64_t(std::floor(value + 0.5));
    const double base = std::floor(value) - 1.0;
    return int64_t(base) + int64_t(std::floor(value - base + 0.5));
}

// 1 for a solid corner cell: not empty and not cut away.
struct SolidCorners {
    const Voxel *cells;
    uint64_t operator()(size_t i) const { return cells[i].materialId != 0 && cells[i].cutCount == 0; }
};

} // namespace

MarchingCubeBuilder::MarchingCubeBuilder(const Voxel *cells, const CellGrid &grid, const CutBox &box)
    : cells(cells), grid(grid), empty(box.isEmpty())
{
    const uint32_t sizes[3] = {grid.sizeX, grid.sizeY, grid.sizeZ};
    for (size_t axis = 0; axis < 3; ++axis) {
        if (sizes[axis] == 0 || box.lower[axis] >= sizes[axis])
            empty = true;
        if (empty)
            return;
        lower[axis] = box.lower[axis];
        last[axis] = std::min(box.upper[axis], sizes[axis] - 1);
        samples[axis] = last[axis] - lower[axis] + 1;
        // Worked out once per grid line exactly as they would be per vertex.
        AxisLines &axisLines = lines[axis];
        const float size = grid.cellSize[axis];
        for (uint32_t n = 0; n <= samples[axis]; ++n) {
            axisLines.line.push_back(float(lower[axis] + n) * size);
            axisLines.lineKey.push_back(roundToGrid(double(axisLines.line.back()) / double(size)));
        }
        for (uint32_t n = 0; n < samples[axis]; ++n) {
            axisLines.middle.push_back((axisLines.line[n] + axisLines.line[n + 1]) * 0.5f);
            axisLines.middleKey.push_back(roundToGrid(double(axisLines.middle.back()) / double(size)));
        }
    }
}

void MarchingCubeBuilder::buildInto(std::vector<Triangle> &triangles) const
{
    if (empty) {
        triangles.clear();
        return;
    }
    const std::vector<Util::SlabRange> slices = buildSlices(lower[0], last[0] + 1);
    std::vector<SliceCubes> parts(slices.size());
    Util::runSlabs(slices, [&](const Util::SlabRange &slice, size_t i) { findCubes(slice, parts[i]); });
    size_t total = 0;
    for (SliceCubes &part : parts) {
        part.firstTriangle = total;
        total += part.triangles;
    }
    // Overwritten in place: storage far too small or too large is replaced first, so nothing is
    // copied and no more than the new list is kept.
    if (triangles.capacity() < total || triangles.capacity() / 2 > total)
        std::vector<Triangle>().swap(triangles);
    triangles.resize(total);
    std::vector<KeyedVertices> keys(slices.size());
    Util::runSlabs(slices, [&](const Util::SlabRange &, size_t i) {
        writeTriangles(parts[i], triangles, keys[i]);
        std::vector<ActiveCube>().swap(parts[i].cubes);
    });
    smoothNormals(triangles, keys, slices);
}

// Corner layer x: row c holds y = first sample y + 1 + c, bit j the corner z = first sample z + 1 + j,
// so that the cube at sample row r and bit k has its lower corners at row r - 1 and bit k - 1.
// Corners on or below the lower limits or beyond the last sample stay 0.
void MarchingCubeBuilder::packCorners(uint32_t x, LayerBits &layer) const
{
    if (x <= lower[0] || x > last[0]) {
        layer.clear();
        return;
    }
    const uint32_t rows = samples[1] - 1;
    for (uint32_t c = 0; c < rows; ++c)
        packCells(cells, grid.index(x, lower[1] + 1 + c, lower[2] + 1), samples[2] - 1, SolidCorners{cells},
                  layer.row(c), nullptr);
}

void MarchingCubeBuilder::findCubes(const Util::SlabRange &slice, SliceCubes &out) const
{
    LayerBits current(samples[1], samples[2]);
    LayerBits next(samples[1], samples[2]);
    packCorners(slice.begin, current);
    for (uint32_t x = slice.begin; x < slice.end; ++x) {
        packCorners(x + 1, next);
        for (uint32_t row = 0; row < samples[1]; ++row)
            findCubesInRow(x, row, current, next, out);
        std::swap(current, next);
    }
}

void MarchingCubeBuilder::findCubesInRow(uint32_t x, uint32_t row, const LayerBits &current,
                                         const LayerBits &next, SliceCubes &out) const
{
    // The corner columns of this row of cubes, in corner order: (x, y+1), (x+1, y+1), (x+1, y), (x, y).
    const uint64_t *columns[4] = {current.row(row), next.row(row), row > 0 ? next.row(row - 1) : nullptr,
                                  row > 0 ? current.row(row - 1) : nullptr};
    const uint32_t y = lower[1] + row;
    uint64_t below[4] = {0, 0, 0, 0};
    for (uint32_t w = 0; w < current.wordCount(); ++w) {
        uint64_t upper[4], lowerCorners[4];
        uint64_t any = 0, all = ~uint64_t(0);
        for (int c = 0; c < 4; ++c) {
            upper[c] = columns[c] ? columns[c][w] : 0;
            lowerCorners[c] = (upper[c] << 1) | (below[c] >> 63);
            below[c] = upper[c];
            any |= upper[c] | lowerCorners[c];
            all &= upper[c] & lowerCorners[c];
        }
        forEachBit(any & ~all, [&](uint32_t k) {
            unsigned index = 0;
            for (int c = 0; c < 4; ++c)
                index |= unsigned((lowerCorners[c] >> k) & 1) << c | unsigned((upper[c] >> k) & 1) << (c + 4);
            const uint32_t z = lower[2] + w * 64 + k;
            out.cubes.push_back({x, y, z, sharedMaterial(x, y, z, index), uint8_t(index)});
            out.triangles += triangleCounts()[index];
        });
    }
}

uint32_t MarchingCubeBuilder::sharedMaterial(uint32_t x, uint32_t y, uint32_t z, unsigned index) const
{
    uint32_t material = 0;
    for (int c = 0; c < 8; ++c) {
        if (!(index & (1u << c)))
            continue;
        const uint32_t m =
            cells[grid.index(x + kCornerOffsets[c][0], y + kCornerOffsets[c][1], z + kCornerOffsets[c][2])]
                .materialId;
        if (material != 0 && m != material)
            return 0;
        material = m;
    }
    return material;
}

void MarchingCubeBuilder::writeTriangles(const SliceCubes &slice, std::vector<Triangle> &triangles,
                                         KeyedVertices &keys) const
{
    keys.firstVertex = slice.firstTriangle * 3;
    keys.keys.reserve(slice.triangles * 3);
    Triangle *out = triangles.data() + slice.firstTriangle;
    for (const ActiveCube &cube : slice.cubes) {
        polygonise(cube, out, keys);
        out += triangleCounts()[cube.index];
    }
}

void MarchingCubeBuilder::polygonise(const ActiveCube &cube, Triangle *out, KeyedVertices &keys) const
{
    using namespace MarchingCubeTables;
    const uint32_t sample[3] = {cube.x - lower[0], cube.y - lower[1], cube.z - lower[2]};
    Vec3 position[12];
    uint32_t material[12];
    uint64_t key[12];
    forEachBit(kEdgeTable[cube.index], [&](uint32_t e) {
        const uint8_t *a = kCornerOffsets[kEdgeCorners[e][0]];
        const uint8_t *b = kCornerOffsets[kEdgeCorners[e][1]];
        int64_t k[3];
        for (size_t axis = 0; axis < 3; ++axis) {
            const AxisLines &axisLines = lines[axis];
            if (a[axis] != b[axis]) {
                position[e][axis] = axisLines.middle[sample[axis]];
                k[axis] = axisLines.middleKey[sample[axis]];
            } else {
                position[e][axis] = axisLines.line[sample[axis] + a[axis]];
                k[axis] = axisLines.lineKey[sample[axis] + a[axis]];
            }
        }
        const uint8_t *solid = (cube.index >> kEdgeCorners[e][0]) & 1 ? a : b;
        material[e] =
            cube.material != 0
                ? cube.material
                : cells[grid.index(cube.x + solid[0], cube.y + solid[1], cube.z + solid[2])].materialId;
        key[e] =
            (uint64_t(grid.sizeY) * uint64_t(k[0]) + uint64_t(k[1])) * uint64_t(grid.sizeZ) + uint64_t(k[2]);
    });
    const auto &row = kTriangleTable[cube.index];
    for (int t = 0; row[size_t(t)] != -1; t += 3, ++out) {
        for (size_t v = 0; v < 3; ++v) {
            const int e = row[size_t(t) + v];
            out->vertices[v].position = position[e];
            out->vertices[v].materialId = material[e];
            keys.add(key[e]);
        }
        const Vec3 &p0 = out->vertices[0].position;
        const Vec3 &p1 = out->vertices[1].position;
        const Vec3 &p2 = out->vertices[2].position;
        const Vec3 normal = unitOrZero(cross({p1[0] - p0[0], p1[1] - p0[1], p1[2] - p0[2]},
                                             {p2[0] - p0[0], p2[1] - p0[1], p2[2] - p0[2]}));
        for (TriangleVertex &vertex : out->vertices)
            vertex.normal = normal;
    }
}

} // namespace Model::Automaton
