#include "Model/Automaton/SiLattice.h"
#include "Model/Automaton/SiLatticePainter.h"
#include "Model/Automaton/TotalVolume.h"
#include "Model/Automaton/TotalVolumePainter.h"
#include "Support/SiliconVolumes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

using namespace Model::Automaton;
using namespace TestSupport::Materials;

namespace {

// Atoms per volume cell, counted by brute force over a grid wider than the lattice's.
std::map<int64_t, uint32_t> sitesPerCell(const SiLatticeGeometry &g)
{
    std::map<int64_t, uint32_t> sites;
    for (int64_t i = -2; i < int64_t(g.getNx()) + 2; ++i)
        for (int64_t j = -2; j < int64_t(g.getNy()) + 2; ++j)
            for (int64_t k = -2; k < int64_t(g.getNz()) + 2; ++k)
                for (uint32_t b = 0; b < 8; ++b) {
                    const int64_t cell = g.volumeCellAt(g.atomPosition(i, j, k, b));
                    if (cell >= 0)
                        ++sites[cell];
                }
    return sites;
}

} // namespace

TEST(SiLattice, BlockOfSiliconIsCompleteFullyBondedAndCounted)
{
    auto volume = TestSupport::makeSlab(10, 13, 9, 9);
    // A budget one byte short of what the lattice needs is refused before allocating.
    const auto required = volume->createSiLattice().requiredBytes;
    const SiLatticeBuild refused = volume->createSiLattice(required - 1);
    EXPECT_TRUE(refused.refused() && refused.requiredBytes == required);
    EXPECT_EQ(volume->getSiLattice(), nullptr);
    const SiLatticeBuild build = volume->createSiLattice();
    ASSERT_FALSE(build.refused());
    const SiLattice &lattice = *volume->getSiLattice();
    EXPECT_EQ(build.requiredBytes, lattice.memoryBytes());
    EXPECT_EQ(lattice.getGeometry().getNx(), 12u); // ceil(23 / (1.4·√2))
    EXPECT_EQ(lattice.getGeometry().getNz(), 7u);  // ceil(9 / 1.4)
    EXPECT_LE(double(lattice.memoryBytes()) / lattice.getAtomCount(), 32.0);

    const auto sites = sitesPerCell(lattice.getGeometry());
    uint64_t siteCount = 0;
    Model::Automaton::CellsLocker cells(*volume);
    for (uint64_t c = 0; c < volume->getCellCount(); ++c) {
        const auto found = sites.find(int64_t(c));
        const uint32_t expected = found == sites.end() ? 0 : found->second;
        EXPECT_EQ(cells.get()[c].atomCount, expected) << c;
        EXPECT_GE(expected, 2u);
        siteCount += expected;
    }
    EXPECT_EQ(build.siliconAtoms, siteCount);

    const double bondLength = 1.4 * std::sqrt(3.0) / 4.0;
    for (uint32_t a = 0; a < lattice.getAtomCount(); ++a) {
        const SiAtom &atom = lattice.atom(a);
        if (atom.state != SiAtom::Present)
            continue;
        // The crystal goes on beyond the volume: no silicon atom has a free bond.
        ASSERT_EQ(lattice.bondedCount(a), 4u) << a;
        for (uint32_t slot = 0; slot < 4; ++slot) {
            const uint32_t other = atom.bonds[slot];
            if (other >= SiAtom::kFixedNeighbour)
                continue;
            ASSERT_EQ(lattice.atom(other).bonds[3 - slot], a);
            const Util::Vector3D p = lattice.atomPosition(a), q = lattice.atomPosition(other);
            ASSERT_NEAR(std::hypot(p.x - q.x, p.y - q.y, p.z - q.z), bondLength, 1e-9);
        }
    }
}

TEST(SiLattice, AtomsFollowTheirCellsAndMasksHoldAtAnyHeight)
{
    // The residue of the interface height modulo 1.4 decides which unit cells straddle it.
    for (uint32_t height : {4u, 5u, 6u, 7u, 8u}) {
        auto volume = TestSupport::makeVolume(8, 8, height + 5, [=](uint32_t, uint32_t, uint32_t z) {
            return z < height ? kSi : z < height + 2 ? kOxide : 0u;
        });
        volume->createSiLattice();
        const SiLattice &lattice = *volume->getSiLattice();
        const auto ids = volume->materialIds();
        for (uint32_t a = 0; a < lattice.getAtomCount(); ++a) {
            const SiAtom &atom = lattice.atom(a);
            const uint32_t material = atom.cellIndex < 0 ? kOxide : ids[size_t(atom.cellIndex)];
            const uint8_t expected = material == kSi ? SiAtom::Present
                                     : material == 0 ? SiAtom::Removed
                                                     : SiAtom::Fixed;
            ASSERT_EQ(atom.state, expected) << height << " atom " << a;
            ASSERT_TRUE(atom.state != SiAtom::Present || lattice.bondedCount(a) == 4)
                << "bulk under the mask";
        }
        // Unit cells without an atom in silicon are not kept.
        EXPECT_FALSE(lattice.findCell(0, 0, lattice.getGeometry().getNz() - 1)) << height;
    }
}

TEST(SiLatticePainter, DrawsTheLatticeInsideTheCutBoxAsTheFlagsAsk)
{
    auto volume = TestSupport::maskedSilicon(12, 6, 2, 4);
    volume->createSiLattice();
    TotalVolumePainter &painter = volume->getPainter();
    const SiLattice &lattice = *volume->getSiLattice();
    const auto shown = [&](uint32_t a) {
        const Util::Vector3D p = lattice.atomPosition(a);
        return lattice.atom(a).state != SiAtom::Removed && std::min({p.x, p.y, p.z}) >= 0 && p.x <= 6
               && p.y <= 12 && p.z <= 11;
    };
    size_t atoms = 0, surfaceAtoms = 0, links = 0;
    for (uint32_t a = 0; a < lattice.getAtomCount(); ++a) {
        if (!shown(a))
            continue;
        ++atoms;
        surfaceAtoms += lattice.isSurfaceAtom(a);
        for (uint32_t b : lattice.atom(a).bonds)
            links += b < SiAtom::kFixedNeighbour && b > a && shown(b);
    }
    ASSERT_GT(surfaceAtoms, 0u);
    AtomisticRenderFlags flags;
    flags.siAtoms = flags.siAtomLinks = flags.siUnitCellOutlines = true;
    painter.setAtomisticFlags(flags);
    painter.setCutLimits(0, 0, 0, 6, 12, 11);
    painter.update();
    const SiLatticePainter &drawn = painter.getLatticePainter();
    EXPECT_EQ(drawn.drawnAtoms().size(), atoms);
    EXPECT_EQ(drawn.drawnLinkCount(), links);
    EXPECT_GT(drawn.drawnCellCount(), 0u);
    flags.surfaceAtomsOnly = true;
    painter.setAtomisticFlags(flags);
    painter.update();
    EXPECT_EQ(drawn.drawnAtoms().size(), surfaceAtoms);
    painter.setAtomisticFlags({});
    painter.update();
    EXPECT_TRUE(drawn.drawnAtoms().empty());
    EXPECT_EQ(drawn.drawnCellCount(), 0u);
}
