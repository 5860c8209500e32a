#include "Core/Operations/RandomWalkDoping/RandomWalkDoping.h"
#include "Core/Operations/RandomWalkDoping/CounterRandom.h"
#include "Core/Operations/RandomWalkDoping/NormalDeviate.h"
#include "Support/PersistenceTestSupport.h"
#include "Support/Volumes.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace Core::Operations;
using Model::Automaton::ParticleCountField;
using Model::Automaton::TotalVolume;
using TestSupport::makeVolume;
using TestSupport::pittedWafer;

namespace {

using namespace TestSupport::Materials;
const QString kNField = QStringLiteral("Random Walk Particle Count Type N");

// Cells of 2⁻²⁰ m, so that concentrations map to exact particle counts, and a time step giving
// the total hop probability `hops`.
RandomWalkParameters walk(uint32_t surfaceCount, uint32_t thresholdCount = 1u << 30, float hops = 0.5f)
{
    RandomWalkParameters p;
    p.dopantMaterial = kNDoped;
    p.cellSize = 0x1p-20f;
    p.timeStep = 1.0f;
    p.diffusionCoefficient = hops * p.cellSize * p.cellSize / 6.0f;
    p.surfaceConcentration = float(surfaceCount) * 0x1p60f;
    p.thresholdConcentration = float(thresholdCount) * 0x1p60f;
    p.duration = 1.0f;
    return p;
}

uint64_t totalAt(TotalVolume &volume, uint32_t x, uint32_t y, uint32_t z)
{
    return volume.getParticleCounts(kNField)->at(volume.cellIndex(x, y, z)).total();
}

uint64_t grandTotal(TotalVolume &volume)
{
    uint64_t sum = 0;
    for (const auto &cell : *volume.getParticleCounts(kNField))
        sum += cell.total();
    return sum;
}

// Puts `count` particles in the cell (as staying there), the rest of the field empty.
void placeParticles(TotalVolume &volume, uint32_t x, uint32_t y, uint32_t z, uint32_t count)
{
    auto field = std::make_shared<ParticleCountField>(size_t(volume.getCellCount()));
    (*field)[volume.cellIndex(x, y, z)].counts[6] = count;
    volume.setParticleCounts(kNField, field);
}

class RandomWalkDopingTest : public PersistenceTest::CatalogueTest {
protected:
    // One step from the stored field; the counters the cell (x, y, z) sent in its directions.
    std::array<uint32_t, 7> stepFrom(TotalVolume &volume, uint32_t x, uint32_t y, uint32_t z, uint64_t seed)
    {
        RandomWalkDoping(volume, walk(0), seed).dope(1.0f);
        return volume.getParticleCounts(kNField)->at(volume.cellIndex(x, y, z)).counts;
    }
};

} // namespace

TEST(CounterRandom, PhiloxMatchesThePublishedKnownAnswers)
{
    EXPECT_EQ(philox4x32({0, 0, 0, 0}, {0, 0}),
              (std::array<uint32_t, 4>{0x6627e8d5, 0xe169c58d, 0xbc57ac4c, 0x9b00dbd8}));
    EXPECT_EQ(philox4x32({0xffffffff, 0xffffffff, 0xffffffff, 0xffffffff}, {0xffffffff, 0xffffffff}),
              (std::array<uint32_t, 4>{0x408f276d, 0x41c83b0e, 0xa20bc7c6, 0x6d5451fd}));
    EXPECT_EQ(philox4x32({0x243f6a88, 0x85a308d3, 0x13198a2e, 0x03707344}, {0xa4093822, 0x299f31d0}),
              (std::array<uint32_t, 4>{0xd16cfe09, 0x94fdcceb, 0x5001e420, 0x24126ea1}));
}

TEST(CounterRandom, BatchedBlocksAndStreamsAgreeWithSinglePhiloxBlocks)
{
    // Cells of one to five blocks, 36 blocks in all: vectors of eight and a remainder.
    constexpr uint64_t kSeed = 0x0123456789abcdefull;
    struct Queued {
        uint32_t position, cell, blocks;
    };
    PhiloxBatch batch(64);
    std::vector<Queued> queued;
    for (uint32_t cell = 0; cell < 12; ++cell)
        queued.push_back({batch.add(cell * 7919u, cell % 5 + 1), cell * 7919u, cell % 5 + 1});
    batch.generate(123, kSeed);
    for (const Queued &q : queued) {
        CellRandomStream stream(kSeed, q.cell, 123);
        for (uint32_t b = 0; b < q.blocks + 2; ++b) {
            const auto block = philox4x32({q.cell, 123u, b, 0u}, philoxKey(kSeed));
            for (uint32_t w = 0; w < 4; ++w) {
                if (b < q.blocks) {
                    EXPECT_EQ(batch.draw32(q.position, 4 * b + w), block[w]) << q.cell << " block " << b;
                }
                EXPECT_EQ(stream.nextU32(), block[w]) << q.cell << " block " << b;
            }
        }
        EXPECT_EQ(batch.draw64(q.position, 0),
                  uint64_t(batch.draw32(q.position, 0)) | uint64_t(batch.draw32(q.position, 1)) << 32);
    }
}

TEST(NormalDeviate, HasTheStandardNormalsVarianceAndTails)
{
    constexpr int kDraws = 400000;
    double squares = 0, belowMinusOne = 0, beyondThree = 0;
    for (int i = 0; i < kDraws; ++i) {
        CellRandomStream random(7, uint32_t(i), 0);
        const double x = NormalDeviate::draw(random);
        squares += x * x;
        belowMinusOne += x < -1.0 ? 1 : 0;
        beyondThree += std::fabs(x) > 3.0 ? 1 : 0;
    }
    EXPECT_NEAR(squares / kDraws, 1.0, 0.01);
    EXPECT_NEAR(belowMinusOne / kDraws, 0.158655, 0.003);
    EXPECT_NEAR(beyondThree / kDraws, 0.0026998, 0.0004);
}

TEST_F(RandomWalkDopingTest, ParticlesHopWithTheGivenProbabilityOnBothDrawPaths)
{
    // Every cell of a closed silicon block starts with the same count; one step. Each direction
    // takes p = 1/12 of the particles and 1/2 stay, whether they are drawn one by one (30 per
    // cell) or split in the normal approximation (3000 per cell).
    for (uint32_t perCell : {30u, 3000u}) {
        auto volume = TestSupport::makeSlab(16, 16, 16, 16);
        auto field = std::make_shared<ParticleCountField>(size_t(volume->getCellCount()));
        for (auto &cell : *field)
            cell.counts[6] = perCell;
        volume->setParticleCounts(kNField, field);
        RandomWalkDoping engine(*volume, walk(0), 11);
        EXPECT_NEAR(engine.getHopProbability(), 1.0 / 12.0, 1e-7);
        engine.dope(1.0f);
        std::array<double, 7> share{};
        const auto &after = *volume->getParticleCounts(kNField);
        for (const auto &cell : after)
            for (size_t k = 0; k < 7; ++k)
                share[k] += cell.counts[k];
        const double all = double(perCell) * after.size();
        for (size_t k = 0; k < 7; ++k) {
            const double expected = k == 6 ? 0.5 : 1.0 / 12.0;
            const double sigma = std::sqrt(expected * (1 - expected) / all);
            EXPECT_NEAR(share[k] / all, expected, 5 * sigma) << perCell << " per cell, slot " << k;
        }
    }
}

TEST_F(RandomWalkDopingTest, ParticlesWrapInXAndYAndAreLostAtTopBottomAndFixedCells)
{
    // A closed silicon block with an oxide cell at (0, 2, 3); the particles start at (0, y, z).
    const auto run = [this](uint32_t y, uint32_t z, std::array<uint32_t, 7> &sent) {
        auto volume = makeVolume(5, 4, 6, [](uint32_t x, uint32_t cy, uint32_t cz) {
            return x == 0 && cy == 2 && cz == 3 ? kOxide : kSi;
        });
        placeParticles(*volume, 0, y, z, 6000);
        sent = stepFrom(*volume, 0, y, z, 5);
        EXPECT_EQ(grandTotal(*volume), 6000u) << "the first step only moves particles into slots";
        RandomWalkDoping(*volume, walk(0), 6).dope(1.0f); // continues from the stored counts
        return volume;
    };
    std::array<uint32_t, 7> sent{};
    auto middle = run(0, 3, sent);
    EXPECT_EQ(totalAt(*middle, 0, 0, 4), sent[0]);
    EXPECT_EQ(totalAt(*middle, 0, 0, 2), sent[1]);
    EXPECT_EQ(totalAt(*middle, 0, 1, 3), sent[2]);
    EXPECT_EQ(totalAt(*middle, 0, 3, 3), sent[3]) << "-y wraps to y = 3";
    EXPECT_EQ(totalAt(*middle, 1, 0, 3), sent[4]);
    EXPECT_EQ(totalAt(*middle, 4, 0, 3), sent[5]) << "-x wraps to x = 4";
    EXPECT_EQ(totalAt(*middle, 0, 0, 3), sent[6]);
    EXPECT_EQ(grandTotal(*middle), 6000u);
    for (uint32_t k = 0; k < 6; ++k)
        EXPECT_GT(sent[k], 350u) << k;

    const auto bottom = run(0, 0, sent);
    EXPECT_EQ(grandTotal(*bottom), 6000u - sent[1]) << "lost through the bottom face";
    const auto top = run(0, 5, sent);
    EXPECT_EQ(grandTotal(*top), 6000u - sent[0]) << "lost through the top face";

    // Next to the oxide cell: what hops towards it is lost.
    const auto beside = run(1, 3, sent);
    EXPECT_EQ(grandTotal(*beside), 6000u - sent[2]);
    EXPECT_EQ(totalAt(*beside, 0, 2, 3), 0u);
}

TEST_F(RandomWalkDopingTest, TheMeanDepthProfileFollowsTheDiffusionRecurrence)
{
    // A laterally uniform block: silicon below z = 30, a surface count of 1000. The expected
    // count of a layer obeys m_z ← (1 - 2p)·m_z + p·(m_{z-1} + m_{z+1}) (the four lateral hops
    // come back from the neighbours), with m = 1000 at the surface and nothing below z = 0.
    constexpr uint32_t kSide = 24, kTop = 29, kSteps = 40;
    auto volume = TestSupport::makeSlab(kSide, kSide, 32, kTop + 1);
    RandomWalkParameters p = walk(1000);
    p.duration = float(kSteps);
    RandomWalkDoping engine(*volume, p, 99);
    const double hop = engine.getHopProbability();
    engine.dope(p.duration);

    std::vector<double> expected(kTop + 1, 0.0);
    expected[kTop] = 1000.0;
    for (uint32_t step = 1; step < kSteps; ++step) {
        std::vector<double> next = expected;
        for (uint32_t z = 0; z < kTop; ++z)
            next[z] = (1 - 2 * hop) * expected[z] + hop * ((z > 0 ? expected[z - 1] : 0.0) + expected[z + 1]);
        expected = next;
    }
    const auto &field = *volume->getParticleCounts(kNField);
    for (uint32_t z = 0; z < kTop; ++z) {
        double mean = 0;
        for (uint32_t x = 0; x < kSide; ++x)
            for (uint32_t y = 0; y < kSide; ++y)
                mean += double(field[volume->cellIndex(x, y, z)].total());
        mean /= kSide * kSide;
        // Counts scatter about as a Poisson variable; neighbouring cells share particles, which
        // at most doubles the variance of the layer's mean.
        const double error = std::sqrt(2.0 * std::max(expected[z], 1.0) / (kSide * kSide));
        EXPECT_NEAR(mean, expected[z], 5 * error + 0.02) << "layer " << z;
    }
}

TEST_F(RandomWalkDopingTest, SurfaceCellsDopeTheSameForTheSameSeedWhateverTheThreadCount)
{
    const auto run = [](int threads, uint64_t seed) {
        TestSupport::PoolThreads pool(threads);
        auto volume = pittedWafer();
        RandomWalkParameters p = walk(300, 40);
        p.duration = 9.0f;
        RandomWalkDoping(*volume, p, seed).dope(p.duration);
        return volume;
    };
    const auto state = [](TotalVolume &volume) {
        std::vector<uint32_t> cells = volume.materialIds();
        for (const auto &cell : *volume.getParticleCounts(kNField))
            cells.insert(cells.end(), cell.counts.begin(), cell.counts.end());
        return cells;
    };
    const auto reference = run(1, 1234);
    for (int threads : {2, 3, 12})
        EXPECT_EQ(state(*run(threads, 1234)), state(*reference)) << threads << " threads";
    EXPECT_NE(state(*run(2, 1235)), state(*reference));

    const auto ids = reference->materialIds();
    const auto &field = *reference->getParticleCounts(kNField);
    for (size_t i = 0; i < ids.size(); ++i) {
        if (ids[i] == kOxide || ids[i] == 0) {
            EXPECT_EQ(field[i].total(), 0u) << "no counts outside dopable cells: " << i;
        }
        if (field[i].counts[6] > 40) {
            EXPECT_EQ(ids[i], kNDoped) << "cell " << i << " keeps more than the threshold";
        }
    }
    EXPECT_EQ(TestSupport::materialAt(*reference, 12, 1, 7), kNDoped) << "a surface cell";
    EXPECT_EQ(TestSupport::materialAt(*reference, 2, 2, 7), kSi) << "under the oxide cap";
    EXPECT_EQ(TestSupport::materialAt(*reference, 12, 1, 0), kSi) << "deep down";
}

TEST_F(RandomWalkDopingTest, TheDialogsDefaultsDopeNothingAndUnphysicalValuesAreRefused)
{
    RandomWalkSettings settings;
    settings.materialId = kNDoped;
    const RandomWalkParameters p = RandomWalkParameters::fromSettings(settings);
    EXPECT_NEAR(p.totalHopProbability(), 0.5f, 1e-6f) << "the dialog's defaults are coupled";
    // 1e-15 cm⁻³ in cells of 0.1 µm is no particle at all: surface cells are like any other.
    auto volume = pittedWafer();
    const auto before = volume->materialIds();
    RandomWalkDoping engine(*volume, p, 3);
    EXPECT_EQ(engine.getSurfaceCount(), 0u);
    EXPECT_EQ(engine.dope(p.duration), 11u); // 3600 s in steps of 320.513 s
    EXPECT_EQ(volume->materialIds(), before);
    EXPECT_EQ(grandTotal(*volume), 0u);

    settings.timeStep = 1000.0;
    const QString tooLong = RandomWalkParameters::fromSettings(settings).problem();
    EXPECT_TRUE(tooLong.contains(QStringLiteral("1000 s"))) << tooLong.toStdString();

    for (auto spoil : std::vector<std::function<void(RandomWalkSettings &)>>{
             [](RandomWalkSettings &s) { s.cellSize = -1; },
             [](RandomWalkSettings &s) { s.diffusionCoefficient = NAN; },
             [](RandomWalkSettings &s) { s.concentration = 1e40; },
             [](RandomWalkSettings &s) { s.dopingTime = 1e12; }}) {
        RandomWalkSettings bad;
        spoil(bad);
        EXPECT_FALSE(RandomWalkParameters::fromSettings(bad).problem().isEmpty());
    }
}
