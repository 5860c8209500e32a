// Every generator's output, face for face and triangle for triangle, against counts and checksums
// recorded from the first (cell-by-cell) implementations, for any thread count.
#include "Model/Automaton/FieldPainter.h"
#include "Model/Automaton/MarchingCubeSurface.h"
#include "Model/Automaton/OctreeSurface.h"

#include "Support/SurfaceTestSupport.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

using namespace Model::Automaton;
using namespace SurfaceTest;
using namespace TestSupport;
using Model::Geometry::QuadFace;

namespace {

uint32_t mixBits(uint32_t a)
{
    a ^= a >> 16;
    a *= 0x7feb352du;
    a ^= a >> 15;
    a *= 0x846ca68bu;
    a ^= a >> 16;
    return a;
}

// Blocky regions of every test material under a wavy surface, scattered single cells and cut
// cells: large uniform blocks for the octree, every kind of neighbour for the face rules.
// One cell in `scatter` is a random one, one in 23 is cut away (none for 0).
std::shared_ptr<TotalVolume> mixedVolume(uint32_t sx, uint32_t sy, uint32_t sz, uint32_t seed,
                                         uint32_t scatter, const Model::Geometry::Point3 &cell)
{
    const uint32_t palette[] = {kOpaqueA, kOpaqueB, kTranslucentA, kTranslucentB, kInvisible};
    auto volume = makeVolume(
        sx, sy, sz,
        [&](uint32_t x, uint32_t y, uint32_t z) {
            const uint32_t h = mixBits(x * 73856093u ^ y * 19349663u ^ z * 83492791u ^ seed);
            if (scatter != 0 && h % scatter == 0)
                return h % 3 == 0 ? 0u : palette[(h >> 8) % 5];
            const uint32_t surface = sz / 2 + (x / 4 * 7 + y / 4 * 3) % (sz / 3 + 1);
            if (z >= surface)
                return 0u;
            const uint32_t region = mixBits(x / 8 + 1000 * (y / 6) + 1000000 * (z / 16) + seed) % 9;
            return region < 2 ? 0u : palette[(region - 2) % 5];
        },
        cell[0], cell[1], cell[2]);
    CellsLocker cells(*volume);
    for (size_t i = 0; i < volume->getCellCount(); ++i)
        cells.get()[i].cutCount = scatter != 0 && mixBits(uint32_t(i) ^ seed) % 23 == 0 ? 1 : 0;
    auto field = std::make_shared<ParticleCountField>(volume->getCellCount());
    for (size_t i = 0; i < field->size(); ++i)
        (*field)[i].counts[3] = mixBits(uint32_t(i) * 7u) % 4 == 0 ? uint32_t(i % 17) : 0;
    volume->setParticleCounts(QStringLiteral("Random Walk Particle Count Type N"), field);
    return volume;
}

// FNV-1a over the bytes of the values that make a face or triangle what it is.
class Checksum {
public:
    template <class T> void add(const T &value)
    {
        unsigned char bytes[sizeof(T)];
        std::memcpy(bytes, &value, sizeof(T));
        for (unsigned char b : bytes)
            hash = (hash ^ b) * 1099511628211ull;
    }
    void add(const QuadFace &face)
    {
        add(face.corners);
        add(face.faceColor);
        add(face.edgeColor);
        add(face.materialId);
        add(face.direction());
    }
    void add(const Triangle &triangle)
    {
        for (const TriangleVertex &v : triangle.vertices) {
            add(v.position);
            add(v.normal);
            add(v.materialId);
        }
    }
    template <class T> static std::string of(const std::vector<T> &items)
    {
        Checksum sum;
        for (const T &item : items)
            sum.add(item);
        char text[48];
        std::snprintf(text, sizeof text, "%zu:%016llx", items.size(), (unsigned long long)sum.hash);
        return text;
    }

private:
    uint64_t hash = 1469598103934665603ull;
};

// Counts and checksums of everything the four algorithms build for one volume and box.
struct Fingerprint {
    std::string cubicOpaque, cubicTransparent, triangles, octreeOpaque, octreeTransparent, fieldOpaque,
        fieldTransparent;
    size_t octreeNodes = 0;
};

Fingerprint fingerprint(TotalVolume &volume, const CutBox &box)
{
    Fingerprint f;
    const CubicFaceLists cubic = buildCubicFaces(volume, box);
    f.cubicOpaque = Checksum::of(cubic.opaque);
    f.cubicTransparent = Checksum::of(cubic.transparent);
    const MaterialColorMap colors = MaterialColorMap::fromCatalogue();
    OctreeSurface octree(volume);
    octree.build(box);
    f.octreeOpaque = Checksum::of(octree.opaqueFaces());
    f.octreeTransparent = Checksum::of(octree.transparentFaces());
    f.octreeNodes = octree.nodeCount();
    CellsLocker cells(volume);
    f.triangles = Checksum::of(MarchingCubeSurface::generate(cells.get(), CellGrid::of(volume), box));
    FieldPainter field;
    field.build(cells.get(), CellGrid::of(volume), box,
                volume.getParticleCounts(QStringLiteral("Random Walk Particle Count Type N")), nullptr,
                colors);
    f.fieldOpaque = Checksum::of(field.opaqueFaces());
    f.fieldTransparent = Checksum::of(field.transparentFaces());
    return f;
}

struct RecordedCase {
    uint32_t sizes[3];
    Model::Geometry::Point3 cellSize;
    CutBox box;
    uint32_t seed;
    uint32_t scatter;
    Fingerprint expected;
};

const RecordedCase kCases[] = {
    {{37, 45, 150},
     {1.0f, 1.0f, 1.0f},
     {{0, 0, 0}, {37, 45, 150}},
     1,
     11,
     {"90406:07d241d90889ca16", "49255:d34031dea1546043", "200684:ab7bc789135e5265", "85918:980c847e18c4c6d0",
      "40106:ff61d5be1be54d4d", "145876:8b6314c929eb0ed6", "34813:84c2e9b64513bf82", 176857}},
    {{37, 45, 150},
     {0.3f, 0.7f, 1.9f},
     {{3, 5, 7}, {31, 44, 140}},
     1,
     11,
     {"56746:c6e58873a2771e14", "30675:6c6b0fd5a90990f2", "130708:a2af1b072f6ce123", "56131:201e9819d41ef736",
      "25291:4772ef1085ef0427", "92310:d3c0082e1551b083", "21643:253548b2dd8ae875", 123665}},
    {{64, 64, 64},
     {1.0f, 1.0f, 1.0f},
     {{0, 0, 0}, {64, 64, 64}},
     2,
     0,
     {"38192:9e287d687bfce5eb", "19256:9d4bac70958711bf", "88300:46df08f647495269", "6338:260d3f646e38407a",
      "2999:7c759beecfc7e036", "92336:ef78e892aa515604", "13972:3e0477e5ef8568e3", 12457}},
    {{50, 40, 70},
     {0.1f, 0.1f, 0.1f},
     {{5, 0, 3}, {50, 33, 70}},
     5,
     0,
     {"15572:38ac7833860151b5", "9071:8aae8eab15130554", "37788:c6af91207663c1ae", "12269:a81473e451f1e614",
      "5119:2a4b0197372f410f", "38338:7640f99673bb9faf", "6470:9be13893bb6f648e", 37105}},
    {{9, 130, 3},
     {0.5f, 0.5f, 0.5f},
     {{2, 0, 1}, {9, 130, 3}},
     3,
     7,
     {"894:4807189d2bfd5ac6", "627:ed92000033050d78", "624:ae4fb47014971dfa", "894:417dbf5eeb86ea6e",
      "591:72c8f4ad7e9549f3", "1190:591bc1c842414a91", "451:ab58837331b97d67", 2241}},
    {{16, 16, 129},
     {1.0f, 1.0f, 1.0f},
     {{1, 1, 0}, {15, 16, 129}},
     4,
     5,
     {"12606:2ba2c6ab6a9779ca", "10199:357684aa7c10a54a", "35088:20bd60702895464c", "12549:434a04cecdf8f179",
      "8288:299a40e240fca53f", "19372:62efce998bf27539", "7276:57cb1bf5e26deb99", 27473}},
};

class SurfaceChecksums : public SurfaceMaterialsTest {};

} // namespace

TEST_F(SurfaceChecksums, EveryAlgorithmBuildsTheRecordedListsForAnyThreadCount)
{
    for (const RecordedCase &c : kCases) {
        auto volume = mixedVolume(c.sizes[0], c.sizes[1], c.sizes[2], c.seed, c.scatter, c.cellSize);
        for (int threads : {1, 2, 3, 12}) {
            PoolThreads pool(threads);
            const Fingerprint f = fingerprint(*volume, c.box);
            SCOPED_TRACE(testing::Message() << "volume " << c.sizes[0] << " x " << c.sizes[1] << " x "
                                            << c.sizes[2] << ", " << threads << " threads");
            EXPECT_EQ(f.cubicOpaque, c.expected.cubicOpaque);
            EXPECT_EQ(f.cubicTransparent, c.expected.cubicTransparent);
            EXPECT_EQ(f.triangles, c.expected.triangles);
            EXPECT_EQ(f.octreeOpaque, c.expected.octreeOpaque);
            EXPECT_EQ(f.octreeTransparent, c.expected.octreeTransparent);
            EXPECT_EQ(f.octreeNodes, c.expected.octreeNodes);
            EXPECT_EQ(f.fieldOpaque, c.expected.fieldOpaque);
            EXPECT_EQ(f.fieldTransparent, c.expected.fieldTransparent);
        }
    }
}
