#include "Core/Operations/SiWetEtching/AtomicStructureSimpleSiWetEtch.h"
#include "Core/Operations/SiWetEtching/ContinuosWetEtching.h"
#include "Core/Operations/SiWetEtching/WetEtchRate.h"
#include "Support/SiliconVolumes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

using namespace Core::Operations;
using Model::Automaton::SiAtom;
using Model::Automaton::SiLattice;
using Model::Automaton::TotalVolume;
using namespace TestSupport::Materials;
using TestSupport::latticeState;
using TestSupport::maskedSilicon;

namespace {

const double kLayer = 1.4 / 4.0; // (100) atomic layer spacing, in cells
enum class Kind { Atomistic, Continuous };
const Kind kKinds[] = {Kind::Atomistic, Kind::Continuous};

// Builds the lattice when the volume has none, etches, and returns the steps run.
uint64_t etch(Kind kind, TotalVolume &volume, double depth)
{
    if (!volume.getSiLattice())
        volume.createSiLattice();
    std::unique_ptr<SiWetEtchEngine> engine;
    if (kind == Kind::Atomistic)
        engine = std::make_unique<AtomicStructureSimpleSiWetEtch>(volume, depth);
    else
        engine = std::make_unique<ContinuosWetEtching>(volume, depth);
    engine->run();
    return engine->getStepsRun();
}

// The z levels of the present atoms at least four cells away from the volume's sides.
std::set<double> atomLevels(TotalVolume &volume)
{
    std::set<double> levels;
    const SiLattice &lattice = *volume.getSiLattice();
    for (uint32_t a = 0; a < lattice.getAtomCount(); ++a) {
        const Util::Vector3D p = lattice.atomPosition(a);
        if (lattice.atom(a).state == SiAtom::Present && std::min(p.x, p.y) > 4 && p.x < volume.getSizeX() - 4
            && p.y < volume.getSizeY() - 4)
            levels.insert(std::round(p.z * 1e6) / 1e6);
    }
    return levels;
}

// Empty cells of column (x, y) from z = top - 1 down to the first full one.
uint32_t pitDepth(TotalVolume &v, uint32_t x, uint32_t y, uint32_t top)
{
    uint32_t depth = 0;
    while (depth < top && TestSupport::materialAt(v, x, y, top - 1 - depth) == 0)
        ++depth;
    return depth;
}

// The angle to the surface of the pit wall at the low end of x (or y), fitted through the
// wall's first empty cell of every layer between the top and the floor.
double wallAngle(TotalVolume &v, uint32_t top, uint32_t floorDepth, bool alongY)
{
    const uint32_t middle = v.getSizeX() / 2;
    double n = 0, sd = 0, sw = 0, sdd = 0, sdw = 0;
    for (uint32_t d = 1; d + 1 < floorDepth; ++d) {
        uint32_t w = 0;
        while (TestSupport::materialAt(v, alongY ? middle : w, alongY ? w : middle, top - 1 - d) != 0)
            ++w;
        n += 1, sd += d, sw += w, sdd += double(d) * d, sdw += double(d) * w;
    }
    const double slope = (n * sdw - sd * sw) / (n * sdd - sd * sd); // cells across per cell down
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

TEST(SiWetEtch, FullyBondedSiliconLosesNothingAnIsolatedAtomGoesAtOnce)
{
    for (Kind kind : kKinds) {
        auto wrapped = TestSupport::makeVolume(10, 10, 10, [](uint32_t x, uint32_t y, uint32_t z) {
            return std::max({x, y, z}) < 7 && std::min({x, y, z}) > 2 ? kSi : kOxide;
        });
        wrapped->createSiLattice();
        const auto wrappedBefore = latticeState(*wrapped);
        etch(kind, *wrapped, 3.0);
        EXPECT_TRUE(latticeState(*wrapped) == wrappedBefore);

        // No atom is alone in its cell: one in the middle of a full volume is cut off by hand.
        auto full = TestSupport::makeSlab(8, 8, 8, 8);
        full->createSiLattice();
        auto lattice = std::make_shared<SiLattice>(*full->getSiLattice());
        uint32_t isolated = 0;
        while (lattice->atom(isolated).state != SiAtom::Present || lattice->atomPosition(isolated).x < 3.5
               || lattice->atomPosition(isolated).y < 3.5 || lattice->atomPosition(isolated).z < 3.5)
            ++isolated;
        for (uint32_t slot = 0; slot < 4; ++slot) {
            lattice->atom(lattice->atom(isolated).bonds[slot]).bonds[3 - slot] = SiAtom::kNone;
            lattice->atom(isolated).bonds[slot] = SiAtom::kNone;
        }
        full->setSiLattice(lattice);
        auto expected = latticeState(*full);
        expected.atomStates[isolated] = SiAtom::Removed;
        expected.cells[size_t(lattice->atom(isolated).cellIndex)].atomCount -= 1; // the cell stays silicon
        EXPECT_EQ(etch(kind, *full, 0.25), 1u);
        EXPECT_TRUE(latticeState(*full) == expected) << "only the isolated atom goes, in the first step";
    }
}

TEST(SiWetEtch, HundredSurfaceRecedesOneAtomicLayerPerStep)
{
    // The crystal beyond the volume's sides does not etch: the surface is watched away from them.
    for (Kind kind : kKinds) {
        auto reference = TestSupport::makeSlab(16, 16, 14, 10);
        reference->createSiLattice();
        std::set<double> expected = atomLevels(*reference);
        const double top = *expected.rbegin();
        for (uint32_t steps = 1; steps <= 6; ++steps) {
            auto volume = TestSupport::makeSlab(16, 16, 14, 10);
            EXPECT_EQ(etch(kind, *volume, steps / 4.0), steps) << "a depth of 1 is four steps";
            expected.erase(std::prev(expected.end()));
            EXPECT_EQ(atomLevels(*volume), expected) << steps;
            EXPECT_NEAR(top - *expected.rbegin(), steps * kLayer, 1e-9);
        }
    }
}

TEST(SiWetEtch, CellKeepsItsMaterialUntilItsLastAtomGoesAndOtherMaterialsStay)
{
    for (Kind kind : kKinds) {
        auto volume = maskedSilicon(16, 8, 2, 8);
        const auto before = volume->materialIds();
        etch(kind, *volume, 1.0);
        const SiLattice &lattice = *volume->getSiLattice();
        std::vector<uint32_t> present(before.size(), 0), sites(before.size(), 0);
        for (uint32_t a = 0; a < lattice.getAtomCount(); ++a) {
            const size_t cell = size_t(lattice.atom(a).cellIndex);
            if (lattice.atom(a).cellIndex < 0)
                continue;
            ++sites[cell];
            present[cell] += lattice.atom(a).state == SiAtom::Present;
            EXPECT_TRUE(before[cell] != kOxide || lattice.atom(a).state == SiAtom::Fixed);
        }
        const auto state = latticeState(*volume);
        size_t partial = 0;
        for (size_t c = 0; c < before.size(); ++c) {
            const bool silicon = before[c] == kSi;
            EXPECT_EQ(state.cells[c].materialId, silicon && present[c] == 0 ? 0u : before[c]) << c;
            EXPECT_TRUE(!silicon || state.cells[c].atomCount == present[c]) << c;
            partial += silicon && present[c] > 0 && present[c] < sites[c];
        }
        EXPECT_GT(partial, 0u) << "the etch front passes through cells";
    }
}

TEST(SiWetEtch, SquareOpeningEtchesAVGrooveWith111WallsAFlatFloorAndNoUndercut)
{
    const uint32_t top = 24, lo = 4, hi = 44, middle = 24;
    for (Kind kind : kKinds)
        for (double depth : {6.0, 10.0}) {
            auto volume = maskedSilicon(48, top, 2, hi - lo);
            const auto before = volume->materialIds();
            etch(kind, *volume, depth);
            // The floor sits where four layers per unit of depth put it, and is flat.
            const double expected = depth * 1.4;
            for (uint32_t x = middle - 4; x < middle + 4; ++x)
                for (uint32_t y = middle - 4; y < middle + 4; ++y)
                    EXPECT_NEAR(double(pitDepth(*volume, x, y, top)), expected, 1.0) << x << "," << y;
            // {111} walls at 54.7° along both mask edges.
            const uint32_t floorDepth = pitDepth(*volume, middle, middle, top);
            const double alongX = wallAngle(*volume, top, floorDepth, false);
            const double alongY = wallAngle(*volume, top, floorDepth, true);
            EXPECT_NEAR(alongX, 54.74, 3.0) << depth;
            EXPECT_NEAR(alongY, 54.74, 3.0) << depth;
            // Nothing under the mask goes, corners included; the mask stays.
            const auto ids = volume->materialIds();
            for (size_t c = 0; c < ids.size(); ++c) {
                const uint32_t x = uint32_t(c / (48 * volume->getSizeZ())),
                               y = uint32_t(c / volume->getSizeZ() % 48);
                const bool open = x >= lo && x < hi && y >= lo && y < hi;
                ASSERT_TRUE(ids[c] == before[c] || (open && c % volume->getSizeZ() >= top - expected - 2))
                    << c;
            }
        }
}

TEST(SiWetEtch, ConvexMaskCornersAreUndercutStraightEdgesAreNot)
{
    const uint32_t top = 12, lo = 8, hi = 31, middle = 20;
    for (Kind kind : kKinds) {
        auto volume = maskedSilicon(40, top, 2, hi + 1 - lo, true);
        etch(kind, *volume, 3.0);
        for (uint32_t a : {lo, hi}) {
            for (uint32_t b : {lo, hi})
                EXPECT_EQ(TestSupport::materialAt(*volume, a, b, top - 1), 0u) << "corner " << a << "," << b;
            EXPECT_EQ(TestSupport::materialAt(*volume, a, middle, top - 1), kSi) << "edge " << a;
            EXPECT_EQ(TestSupport::materialAt(*volume, middle, a, top - 1), kSi) << "edge " << a;
        }
    }
}

TEST(ContinuosWetEtching, WearsOnlySurfaceAtomsAndRemovesThemTheStepTheyRunOut)
{
    // Until an atom of the slowest class has been on the surface for kTerraceSteps steps, the
    // continuous etch removes exactly what the atomistic one does; in that step it goes further.
    for (uint32_t steps : {kTerraceSteps - 1, kTerraceSteps}) {
        auto atomistic = maskedSilicon(24, 12, 2, 10), continuous = maskedSilicon(24, 12, 2, 10);
        etch(Kind::Atomistic, *atomistic, steps / 4.0);
        etch(Kind::Continuous, *continuous, steps / 4.0);
        EXPECT_EQ(latticeState(*atomistic) == latticeState(*continuous), steps < kTerraceSteps) << steps;
        const SiLattice &lattice = *continuous->getSiLattice();
        size_t worn = 0;
        for (uint32_t a = 0; a < lattice.getAtomCount(); ++a) {
            const SiAtom &atom = lattice.atom(a);
            if (atom.state != SiAtom::Present)
                continue;
            ASSERT_TRUE(lattice.bondedCount(a) < 4 || atom.occupation == 1.0f) << "bulk atoms are not worn";
            ASSERT_GE(atom.occupation, ContinuosWetEtching::kSmallestOccupation);
            worn += atom.occupation < 1.0f;
        }
        EXPECT_GT(worn, 0u);
    }
}

TEST(ContinuosWetEtching, EtchesHundredAtLeastFiftyTimesFasterThanOneOneOne)
{
    // A narrow groove stops at its two {111} walls within a few dozen steps; afterwards only the
    // walls recede, which widens the groove under the mask. The atomistic etch stops for good.
    const uint32_t top = 24, opening = 12;
    auto volume = maskedSilicon(32, top, 2, opening), atomistic = maskedSilicon(32, top, 2, opening);
    ASSERT_EQ(etch(Kind::Continuous, *volume, 800.0), 3200u);
    EXPECT_LT(etch(Kind::Atomistic, *atomistic, 800.0), 200u);
    uint32_t width = 0, atomisticWidth = 0;
    for (uint32_t x = 0; x < 32; ++x) {
        width += TestSupport::materialAt(*volume, x, 16, top - 1) == 0;
        atomisticWidth += TestSupport::materialAt(*atomistic, x, 16, top - 1) == 0;
    }
    EXPECT_EQ(atomisticWidth, opening);
    const double rate111 = (double(width) - opening) / 2.0 * std::sin(54.74 * M_PI / 180.0) / 3200.0;
    EXPECT_GE(kLayer / rate111, 50.0) << "R(100)/R(111) = " << kLayer / rate111;
}
