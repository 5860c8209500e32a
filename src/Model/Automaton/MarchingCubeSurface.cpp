#include "Model/Automaton/MarchingCubeSurface.h"

#include "Model/Automaton/KeyedIndexSort.h"
#include "Model/Automaton/MarchingCubeTables.h"
#include "Model/Automaton/SlicedBuild.h"
#include "Model/Automaton/TotalVolume.h"

#include <QMutexLocker>

#include <algorithm>
#include <cmath>

namespace Model::Automaton {
namespace {

using Vec3 = std::array<float, 3>;

// Corner offsets (x, y, z) of c0..c7 from the sample point.
constexpr uint8_t kCornerOffsets[8][3] = {{0, 1, 0}, {1, 1, 0}, {1, 0, 0}, {0, 0, 0},
                                          {0, 1, 1}, {1, 1, 1}, {1, 0, 1}, {0, 0, 1}};

// Reads corner values: the cell's material, or 0 for a cell that is cut away, lies outside the
// volume, or has a coordinate at or below the box's lower limit or above its upper limit.
class CornerSampler {
public:
    CornerSampler(const Voxel *cells, const CellGrid &grid, const CutBox &box) : cells(cells), grid(grid)
    {
        const uint32_t sizes[3] = {grid.sizeX, grid.sizeY, grid.sizeZ};
        for (int axis = 0; axis < 3; ++axis) {
            first[axis] = box.lower[axis] + 1;
            last[axis] = std::min(box.upper[axis], sizes[axis] - 1);
        }
    }
    // The cells of column (x, y), or null when the whole column reads as empty.
    const Voxel *column(uint32_t x, uint32_t y) const
    {
        if (x < first[0] || x > last[0] || y < first[1] || y > last[1])
            return nullptr;
        return cells + grid.index(x, y, 0);
    }
    uint32_t value(const Voxel *column, uint32_t z) const
    {
        if (!column || z < first[2] || z > last[2])
            return 0;
        return column[z].cutCount != 0 ? 0 : column[z].materialId;
    }

private:
    const Voxel *cells;
    CellGrid grid;
    uint32_t first[3];
    uint32_t last[3];
};

Vec3 cross(const Vec3 &a, const Vec3 &b)
{
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

Vec3 normalized(const Vec3 &v)
{
    const float length = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
    if (!(length > 0.0f))
        return {0.0f, 0.0f, 0.0f};
    return {v[0] / length, v[1] / length, v[2] / length};
}

// Emits the triangles of the cube at sample (x, y, z) with the given cube index and corner values.
void polygonise(uint32_t x, uint32_t y, uint32_t z, unsigned cubeIndex, const uint32_t values[8],
                const CellGrid &grid, std::vector<Triangle> &out)
{
    using namespace MarchingCubeTables;
    const uint16_t edges = kEdgeTable[cubeIndex];
    const uint32_t sample[3] = {x, y, z};
    TriangleVertex cut[12];
    for (int e = 0; e < 12; ++e) {
        if (!(edges & (1u << e)))
            continue;
        const int a = kEdgeCorners[size_t(e)][0];
        const int b = kEdgeCorners[size_t(e)][1];
        for (int axis = 0; axis < 3; ++axis) {
            const float pa = float(sample[axis] + kCornerOffsets[a][axis]) * grid.cellSize[axis];
            const float pb = float(sample[axis] + kCornerOffsets[b][axis]) * grid.cellSize[axis];
            cut[e].position[axis] = (pa + pb) * 0.5f;
        }
        cut[e].materialId = values[a] != 0 ? values[a] : values[b];
    }
    const auto &row = kTriangleTable[cubeIndex];
    for (int t = 0; row[size_t(t)] != -1; t += 3) {
        Triangle triangle;
        for (int v = 0; v < 3; ++v)
            triangle.vertices[size_t(v)] = cut[row[size_t(t + v)]];
        const Vec3 &p0 = triangle.vertices[0].position;
        const Vec3 &p1 = triangle.vertices[1].position;
        const Vec3 &p2 = triangle.vertices[2].position;
        const Vec3 normal = normalized(cross({p1[0] - p0[0], p1[1] - p0[1], p1[2] - p0[2]},
                                             {p2[0] - p0[0], p2[1] - p0[1], p2[2] - p0[2]}));
        for (TriangleVertex &vertex : triangle.vertices)
            vertex.normal = normal;
        out.push_back(triangle);
    }
}

void generateSlice(const CornerSampler &sampler, const CellGrid &grid, const CutBox &box,
                   const Util::SlabRange &slice, std::vector<Triangle> &out)
{
    const uint32_t lastX = std::min(box.upper[0], slice.end == 0 ? 0 : slice.end - 1);
    const uint32_t lastY = std::min(box.upper[1], grid.sizeY - 1);
    const uint32_t lastZ = std::min(box.upper[2], grid.sizeZ - 1);
    uint32_t values[8];
    for (uint32_t x = slice.begin; x < slice.end && x <= lastX; ++x) {
        for (uint32_t y = box.lower[1]; y <= lastY; ++y) {
            // The four corner columns of this row of cubes (c0..c3 below, c4..c7 above).
            const Voxel *columns[4];
            for (int k = 0; k < 4; ++k)
                columns[k] = sampler.column(x + kCornerOffsets[k][0], y + kCornerOffsets[k][1]);
            if (!columns[0] && !columns[1] && !columns[2] && !columns[3])
                continue;
            // Walking up z, the top corners of one cube are the bottom corners of the next.
            unsigned bits = 0;
            for (int k = 0; k < 4; ++k) {
                values[k] = sampler.value(columns[k], box.lower[2]);
                bits |= unsigned(values[k] != 0) << k;
            }
            for (uint32_t z = box.lower[2]; z <= lastZ; ++z) {
                for (int k = 0; k < 4; ++k) {
                    values[k + 4] = sampler.value(columns[k], z + 1);
                    bits |= unsigned(values[k + 4] != 0) << (k + 4);
                }
                if (bits != 0 && bits != 255)
                    polygonise(x, y, z, bits, values, grid, out);
                for (int k = 0; k < 4; ++k)
                    values[k] = values[k + 4];
                bits >>= 4;
            }
        }
    }
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

// Gives every vertex the normalised mean normal of all vertices that round to its grid point.
void smoothNormals(std::vector<Triangle> &triangles, const CellGrid &grid)
{
    const size_t vertexCount = triangles.size() * 3;
    const auto vertexAt = [&](uint32_t i) -> TriangleVertex & { return triangles[i / 3].vertices[i % 3]; };
    std::vector<KeyedIndex> keyed(vertexCount);
    for (uint32_t i = 0; i < vertexCount; ++i) {
        const TriangleVertex &vertex = vertexAt(i);
        int64_t k[3];
        for (int axis = 0; axis < 3; ++axis)
            k[axis] =
                roundToGrid(double(vertex.position[size_t(axis)]) / double(grid.cellSize[size_t(axis)]));
        const uint64_t key =
            (uint64_t(grid.sizeY) * uint64_t(k[0]) + uint64_t(k[1])) * uint64_t(grid.sizeZ) + uint64_t(k[2]);
        keyed[i] = {key, i};
    }
    // Equal keys stay in vertex order, so every sum is added up in the same order.
    sortByKeyStable(keyed);
    for (size_t begin = 0; begin < keyed.size();) {
        size_t end = begin;
        double sum[3] = {0.0, 0.0, 0.0};
        for (; end < keyed.size() && keyed[end].key == keyed[begin].key; ++end) {
            const TriangleVertex &vertex = vertexAt(keyed[end].index);
            for (int axis = 0; axis < 3; ++axis)
                sum[axis] += vertex.normal[size_t(axis)];
        }
        const double count = double(end - begin);
        const Vec3 mean = normalized({float(sum[0] / count), float(sum[1] / count), float(sum[2] / count)});
        for (size_t i = begin; i < end; ++i)
            vertexAt(keyed[i].index).normal = mean;
        begin = end;
    }
}

} // namespace

MarchingCubeSurface::MarchingCubeSurface(TotalVolume &volume)
    : volume(volume), sizeX(volume.getSizeX()), sizeY(volume.getSizeY()), sizeZ(volume.getSizeZ())
{
}

void MarchingCubeSurface::build(const CutBox &box)
{
    QMutexLocker lock(&surfaceMutex);
    colorMap = MaterialColorMap::fromCatalogue();
    CellsLocker cells(volume);
    triangleList.clear();
    triangleList = generate(cells.get(), CellGrid::of(volume), box.clampedTo(sizeX, sizeY, sizeZ));
    arrays.invalidate();
}

void MarchingCubeSurface::clear()
{
    QMutexLocker lock(&surfaceMutex);
    std::vector<Triangle>().swap(triangleList);
    arrays.invalidate();
}

std::vector<Triangle> MarchingCubeSurface::generate(const Voxel *cells, const CellGrid &grid,
                                                    const CutBox &box)
{
    if (box.isEmpty())
        return {};
    const CornerSampler sampler(cells, grid, box);
    auto parts = runSlicedBuild<std::vector<Triangle>>(
        box.lower[0], box.upper[0], [&](Util::SlabRange slice, std::vector<Triangle> &out) {
            // Each slice starts where the box's split puts it; the last one runs to the volume's end.
            if (slice.end == box.upper[0])
                slice.end = grid.sizeX;
            generateSlice(sampler, grid, box, slice, out);
        });
    std::vector<Triangle> triangles = joinInOrder(parts);
    smoothNormals(triangles, grid);
    return triangles;
}

void MarchingCubeSurface::draw()
{
    QMutexLocker lock(&surfaceMutex);
    arrays.draw(triangleList, colorMap);
}

} // namespace Model::Automaton
