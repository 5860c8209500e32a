#include "Core/Operations/SiWetEtching/AtomicStructureSimpleSiWetEtch.h"
#include "Core/Operations/SiWetEtching/ContinuosWetEtching.h"
#include "Core/Operations/SiWetEtching/WetEtchRate.h"
#include "Support/SiliconVolumes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <set>

using namespace Core::Operations;
using Model::Automaton::SiAtom;
using Model::Automaton::SiLattice;
using Model::Automaton::TotalVolume;
using TestSupport::kOxide;
using TestSupport::kSilicon;
using TestSupport::makeVolume;

namespace {

const double kLayer = 1.4 / 4.0; // (100) atomic layer spacing, in cells

enum class Kind { Atomistic, Continuous };
const Kind kKinds[] = {Kind::Atomistic, Kind::Continuous};

// Builds the lattice when the volume has none, etches, and returns the steps run.
uint64_t etch(Kind kind, TotalVolume &volume, double depth)
{
    if (!volume.getSiLattice())
        volume.createSiLattice();
    if (kind == Kind::Atomistic) {
        AtomicStructureSimpleSiWetEtch engine(volume, depth);
        engine.run();
        return engine.getStepsRun();
    }
    ContinuosWetEtching engine(volume, depth);
    engine.run();
    return engine.getStepsRun();
}

// The z levels of the present atoms at least four cells away from the volume's sides.
std::set<double> atomLevels(TotalVolume &volume)
{
    std::set<double> levels;
    const SiLattice &lattice = *volume.getSiLattice();
    for (uint32_t a = 0; a < lattice.getAtomCount(); ++a) {
        const Util::Vector3D p = lattice.atomPosition(a);
        if (lattice.atom(a).state == SiAtom::Present && p.x > 4 && p.y > 4 && p.x < volume.getSizeX() - 4
            && p.y < volume.getSizeY() - 4)
            levels.insert(std::round(p.z * 1e6) / 1e6);
    }
    return levels;
}

// Empty cells from the top of the silicon (z = top - 1) down to the first full one.
uint32_t pitDepth(const std::vector<uint32_t> &ids, TotalVolume &v, uint32_t x, uint32_t y, uint32_t top)
{
    uint32_t depth = 0;
    while (depth < top && ids[v.cellIndex(x, y, top - 1 - depth)] == 0)
        ++depth;
    return depth;
}

// The angle to the surface of the pit wall at the low end of x (along x, or along y when
// `alongY`), fitted through the wall's first empty cell of every layer between the top and the
// floor.
double wallAngle(TotalVolume &v, uint32_t top, uint32_t floorDepth, bool alongY)
{
    const auto ids = v.materialIds();
    const uint32_t middle = v.getSizeX() / 2;
    double n = 0, sd = 0, sw = 0, sdd = 0, sdw = 0;
    for (uint32_t d = 1; d + 1 < floorDepth; ++d) {
        uint32_t w = 0;
        while (w < middle
               && ids[alongY ? v.cellIndex(middle, w, top - 1 - d) : v.cellIndex(w, middle, top - 1 - d)])
            ++w;
        n += 1;
        sd += d;
        sw += w;
        sdd += double(d) * d;
        sdw += double(d) * w;
    }
    const double slope = (n * sdw - sd * sw) / (n * sdd - sd * sd); // cells of x per cell of depth
    return std::atan(1.0 / slope) * 180.0 / M_PI;
}

} // namespace

TEST(SiWetEtch, DepthTimesFourRoundedHalfUpIsTheStepCount)
{
    const std::pair<double, uint64_t> cases[] = {{0.0, 0},  {0.1, 0},  {0.124, 0}, {0.125, 1},   {1.0, 4},
                                                 {2.6, 10}, {-1.0, 0}, {NAN, 0},   {INFINITY, 0}};
    for (const auto &[depth, steps] : cases)
        EXPECT_EQ(SiWetEtchEngine::stepCountFor(depth), steps) << depth;
}

TEST(SiWetEtch, FullyBondedSiliconLosesNothing)
{
    for (Kind kind : kKinds) {
        // A volume full of silicon, and silicon wrapped in oxide.
        auto full = TestSupport::makeSlab(9, 8, 7, 7);
        auto wrapped = makeVolume(10, 10, 10, [](uint32_t x, uint32_t y, uint32_t z) {
            return x > 2 && x < 7 && y > 2 && y < 7 && z > 2 && z < 7 ? kSilicon : kOxide;
        });
        for (auto *volume : {full.get(), wrapped.get()}) {
            volume->createSiLattice();
            const auto before = TestSupport::latticeState(*volume);
            etch(kind, *volume, 3.0);
            EXPECT_EQ(TestSupport::latticeState(*volume), before);
        }
    }
}

TEST(SiWetEtch, IsolatedAtomGoesInTheFirstStepAndItsCellStays)
{
    // No atom is alone in its cell, so the atom in the middle of a full block is cut off by hand.
    for (Kind kind : kKinds) {
        auto volume = TestSupport::makeSlab(8, 8, 8, 8);
        volume->createSiLattice();
        auto lattice = std::make_shared<SiLattice>(*volume->getSiLattice());
        uint32_t isolated = 0;
        while (lattice->atom(isolated).state != SiAtom::Present || lattice->atomPosition(isolated).x < 3.5
               || lattice->atomPosition(isolated).y < 3.5 || lattice->atomPosition(isolated).z < 3.5)
            ++isolated;
        for (uint32_t slot = 0; slot < 4; ++slot) {
            lattice->atom(lattice->atom(isolated).bonds[slot]).bonds[3 - slot] = SiAtom::kNone;
            lattice->atom(isolated).bonds[slot] = SiAtom::kNone;
        }
        volume->setSiLattice(lattice);
        const auto before = TestSupport::latticeState(*volume);
        etch(kind, *volume, 3.0);
        auto after = TestSupport::latticeState(*volume);
        EXPECT_EQ(lattice->atom(isolated).state, SiAtom::Removed);
        const size_t cell = size_t(lattice->atom(isolated).cellIndex);
        EXPECT_EQ(after.atomCounts[cell], before.atomCounts[cell] - 1);
        EXPECT_EQ(after.materials[cell], kSilicon);
        after.atomStates[isolated] = SiAtom::Present;
        after.atomCounts[cell] += 1;
        EXPECT_TRUE(after == before) << "only the isolated atom goes";
    }
}

TEST(SiWetEtch, HundredSurfaceRecedesOneAtomicLayerPerStep)
{
    // The crystal beyond the volume's sides does not etch, so the surface is watched away from
    // them.
    for (Kind kind : kKinds) {
        const auto fresh = [] { return TestSupport::makeSlab(16, 16, 14, 10); };
        auto reference = fresh();
        reference->createSiLattice();
        const std::set<double> before = atomLevels(*reference);
        for (uint32_t steps = 1; steps <= 6; ++steps) {
            auto volume = fresh();
            // A depth of 1 is four steps.
            EXPECT_EQ(etch(kind, *volume, steps / 4.0), steps);
            std::set<double> expected = before;
            for (uint32_t s = 0; s < steps; ++s)
                expected.erase(std::prev(expected.end()));
            EXPECT_EQ(atomLevels(*volume), expected) << steps;
            EXPECT_NEAR(*before.rbegin() - *expected.rbegin(), steps * kLayer, 1e-9);
        }
    }
}

TEST(SiWetEtch, CellKeepsItsMaterialUntilItsLastAtomGoesAndOtherMaterialsStay)
{
    for (Kind kind : kKinds) {
        auto volume = TestSupport::maskedSilicon(16, 8, 2, 8);
        const auto before = volume->materialIds();
        etch(kind, *volume, 1.0);
        const SiLattice &lattice = *volume->getSiLattice();
        std::vector<uint32_t> present(before.size(), 0), sites(before.size(), 0);
        for (uint32_t a = 0; a < lattice.getAtomCount(); ++a) {
            const SiAtom &atom = lattice.atom(a);
            if (atom.cellIndex < 0)
                continue;
            ++sites[size_t(atom.cellIndex)];
            present[size_t(atom.cellIndex)] += atom.state == SiAtom::Present;
            if (before[size_t(atom.cellIndex)] == kOxide) {
                EXPECT_EQ(atom.state, SiAtom::Fixed);
            }
        }
        const auto state = TestSupport::latticeState(*volume);
        size_t partial = 0;
        for (size_t c = 0; c < before.size(); ++c) {
            if (before[c] != kSilicon) {
                EXPECT_EQ(state.materials[c], before[c]) << c;
                continue;
            }
            EXPECT_EQ(state.atomCounts[c], present[c]) << c;
            EXPECT_EQ(state.materials[c], present[c] > 0 ? kSilicon : 0u) << c;
            partial += present[c] > 0 && present[c] < sites[c];
        }
        EXPECT_GT(partial, 0u) << "the etch front passes through cells";
    }
}

TEST(SiWetEtch, ResultsDoNotDependOnTheThreadCount)
{
    for (Kind kind : kKinds) {
        for (bool island : {false, true}) {
            std::vector<TestSupport::LatticeState> results;
            for (int threads : {1, 2, 3, 12}) {
                TestSupport::PoolThreads pool(threads);
                auto volume = TestSupport::maskedSilicon(25, 10, 2, 11, island);
                etch(kind, *volume, 3.0);
                results.push_back(TestSupport::latticeState(*volume));
            }
            for (size_t i = 1; i < results.size(); ++i)
                EXPECT_TRUE(results[i] == results[0]) << int(kind) << island << " run " << i;
        }
    }
}

TEST(SiWetEtch, SquareOpeningEtchesAVGrooveWith111WallsAFlatFloorAndNoUndercut)
{
    const uint32_t size = 48, top = 24, opening = 40, lo = 4, hi = 44, middle = 24;
    for (Kind kind : kKinds) {
        for (double depth : {6.0, 10.0}) {
            auto volume = TestSupport::maskedSilicon(size, top, 2, opening);
            const auto before = volume->materialIds();
            etch(kind, *volume, depth);
            const auto ids = volume->materialIds();
            // The floor sits where four layers per unit of depth put it, and is flat.
            const double expected = depth * 1.4;
            for (uint32_t x = middle - 4; x < middle + 4; ++x)
                for (uint32_t y = middle - 4; y < middle + 4; ++y) {
                    const uint32_t d = pitDepth(ids, *volume, x, y, top);
                    EXPECT_GE(double(d), expected - 1.0) << x << "," << y;
                    EXPECT_LE(double(d), expected + 1.0) << x << "," << y;
                }
            // {111} walls at 54.7° along both mask edges.
            const uint32_t floorDepth = pitDepth(ids, *volume, middle, middle, top);
            const double alongX = wallAngle(*volume, top, floorDepth, false);
            const double alongY = wallAngle(*volume, top, floorDepth, true);
            EXPECT_NEAR(alongX, 54.74, 3.0) << depth;
            EXPECT_NEAR(alongY, 54.74, 3.0) << depth;
            std::printf("%s etch, depth %4.1f: floor %u cells down (%.1f asked), walls at %.1f° and %.1f°\n",
                        kind == Kind::Atomistic ? "atomistic" : "continuous", depth, floorDepth, expected,
                        alongX, alongY);
            // Nothing under the mask goes, corners included; the mask stays.
            for (uint32_t x = 0; x < size; ++x)
                for (uint32_t y = 0; y < size; ++y) {
                    const bool open = x >= lo && x < hi && y >= lo && y < hi;
                    for (uint32_t z = 0; z < volume->getSizeZ(); ++z) {
                        if (!open || z < top - uint32_t(expected) - 2) {
                            ASSERT_EQ(ids[volume->cellIndex(x, y, z)], before[volume->cellIndex(x, y, z)])
                                << x << "," << y << "," << z;
                        }
                    }
                }
        }
    }
}

TEST(SiWetEtch, ConvexMaskCornersAreUndercutStraightEdgesAreNot)
{
    const uint32_t size = 40, top = 12, island = 24, lo = 8, hi = 31, middle = 20;
    for (Kind kind : kKinds) {
        auto volume = TestSupport::maskedSilicon(size, top, 2, island, true);
        etch(kind, *volume, 3.0);
        const auto ids = volume->materialIds();
        for (uint32_t x : {lo, hi})
            for (uint32_t y : {lo, hi})
                EXPECT_EQ(ids[volume->cellIndex(x, y, top - 1)], 0u) << "corner " << x << "," << y;
        for (uint32_t edge : {lo, hi}) {
            EXPECT_EQ(ids[volume->cellIndex(edge, middle, top - 1)], kSilicon) << "edge " << edge;
            EXPECT_EQ(ids[volume->cellIndex(middle, edge, top - 1)], kSilicon) << "edge " << edge;
        }
    }
}

TEST(ContinuosWetEtching, OccupationsWearOnlyOnSurfaceAtomsAndAtomsGoTheStepTheyRunOut)
{
    // Until an atom of the slowest class has been on the surface for kTerraceSteps steps, the
    // continuous etch removes exactly what the atomistic one does; in that step it goes further.
    auto atomistic = TestSupport::maskedSilicon(24, 12, 2, 10);
    auto continuous = TestSupport::maskedSilicon(24, 12, 2, 10);
    const double justShort = (kTerraceSteps - 1) / 4.0;
    etch(Kind::Atomistic, *atomistic, justShort);
    etch(Kind::Continuous, *continuous, justShort);
    EXPECT_TRUE(TestSupport::latticeState(*atomistic) == TestSupport::latticeState(*continuous));
    const SiLattice &lattice = *continuous->getSiLattice();
    size_t worn = 0;
    for (uint32_t a = 0; a < lattice.getAtomCount(); ++a) {
        const SiAtom &atom = lattice.atom(a);
        if (atom.state == SiAtom::Present && lattice.bondedCount(a) == 4) {
            ASSERT_EQ(atom.occupation, 1.0f) << "a fully bonded atom is never worn";
        }
        if (atom.state == SiAtom::Present) {
            ASSERT_GE(atom.occupation, ContinuosWetEtching::kSmallestOccupation);
        }
        worn += atom.state == SiAtom::Present && atom.occupation < 1.0f;
    }
    EXPECT_GT(worn, 0u);

    auto atomisticOn = TestSupport::maskedSilicon(24, 12, 2, 10);
    auto continuousOn = TestSupport::maskedSilicon(24, 12, 2, 10);
    etch(Kind::Atomistic, *atomisticOn, kTerraceSteps / 4.0);
    etch(Kind::Continuous, *continuousOn, kTerraceSteps / 4.0);
    EXPECT_FALSE(TestSupport::latticeState(*atomisticOn) == TestSupport::latticeState(*continuousOn));
}

TEST(ContinuosWetEtching, EtchesHundredAtLeastFiftyTimesFasterThanOneOneOne)
{
    // A narrow groove stops at its two {111} walls within a few dozen steps; afterwards only the
    // walls recede, which widens the groove under the mask.
    const uint32_t top = 24, opening = 12;
    auto volume = TestSupport::maskedSilicon(32, top, 2, opening);
    const uint64_t steps = etch(Kind::Continuous, *volume, 800.0);
    ASSERT_EQ(steps, 3200u);
    const auto ids = volume->materialIds();
    uint32_t width = 0;
    for (uint32_t x = 0; x < 32; ++x)
        width += ids[volume->cellIndex(x, 16, top - 1)] == 0;
    const double undercut = (double(width) - opening) / 2.0;
    ASSERT_GT(undercut, 0.0) << "the walls recede";
    const double rate111 = undercut * std::sin(54.74 * M_PI / 180.0) / double(steps);
    EXPECT_GE(kLayer / rate111, 50.0) << "R(100)/R(111) = " << kLayer / rate111;
    std::printf("continuous etch: R(100)/R(111) = %.0f\n", kLayer / rate111);

    // The atomistic etch keeps its {111} walls for good, and stops once nothing changes.
    auto atomistic = TestSupport::maskedSilicon(32, top, 2, opening);
    EXPECT_LT(etch(Kind::Atomistic, *atomistic, 800.0), 200u);
    EXPECT_EQ(atomistic->materialIds()[atomistic->cellIndex(9, 16, top - 1)], kSilicon);
}
