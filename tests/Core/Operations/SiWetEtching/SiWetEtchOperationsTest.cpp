#include "Core/Operations/IsotropicFilmDeposition/IsotropicFilmEtchingOperation.h"
#include "Core/Operations/SiWetEtching/AtomisticSiWetEtchingOperation.h"
#include "Core/Operations/SiWetEtching/ContinousWetEtchOperation.h"
#include "Support/SiliconVolumes.h"
#include "Support/WorkspaceHarness.h"

#include <gtest/gtest.h>

using namespace Core::Operations;
using Model::Automaton::TotalVolume;

namespace {

class SiWetEtchOperationsTest : public ::testing::Test {
protected:
    SiWetEtchOperationsTest()
    {
        const auto ask = [this](SiWetEtchOperation &op) {
            op.setDepth(2.0);
            op.setLatticeBudget(budget);
        };
        harness.add<AtomisticSiWetEtchingOperation>(28, ask);
        harness.add<ContinousWetEtchOperation>(29, ask);
        harness.add<IsotropicFilmEtchingOperation>(14, [](IsotropicFilmEtchingOperation &op) {
            op.setMaterial(TestSupport::kSi);
            op.setDepth(1.0f);
        });
        harness.workspace.getScene().addObject(volume);
    }

    bool latticeOutdated()
    {
        return harness.workspace.getVolumeRecords().isLatticeOutdated(volume->getObjectId());
    }

    TestSupport::WorkspaceHarness harness;
    std::shared_ptr<TotalVolume> volume = TestSupport::maskedSilicon(16, 8, 2, 8);
    uint64_t budget = Util::largeStructureBudget();
};

} // namespace

// Unchanged cells keep the lattice; etching silicon, and undoing that, outdate it.
TEST_F(SiWetEtchOperationsTest, TheLatticeIsKeptUntilTheCellsChange)
{
    harness.workspace.activate(28);
    const auto lattice = volume->getSiLattice();
    ASSERT_NE(lattice, nullptr);
    harness.workspace.activate(29);
    EXPECT_EQ(volume->getSiLattice(), lattice);
    harness.workspace.activate(14);
    EXPECT_TRUE(latticeOutdated());
    harness.workspace.activate(28);
    EXPECT_NE(volume->getSiLattice(), lattice);
    EXPECT_FALSE(latticeOutdated());
    harness.workspace.undo();
    EXPECT_TRUE(latticeOutdated());
}

TEST_F(SiWetEtchOperationsTest, VolumeTooLargeForItsLatticeOrWithoutSiliconIsLeftAlone)
{
    budget = 1000;
    const auto before = volume->materialIds();
    harness.workspace.activate(28);
    EXPECT_NE(harness.lastMessage().find("too large for a silicon lattice"), std::string::npos);
    EXPECT_EQ(volume->materialIds(), before);
    EXPECT_EQ(volume->getSiLattice(), nullptr);

    auto oxide = TestSupport::makeSlab(6, 6, 6, 3, TestSupport::kOxide);
    harness.workspace.getScene().addObject(oxide);
    harness.workspace.getSelection().toggle(oxide);
    harness.workspace.activate(29);
    EXPECT_EQ(harness.lastMessage(),
              "Continuous Wet Etch: The cell volume holds no silicon; nothing was etched.");
    EXPECT_EQ(oxide->getSiLattice(), nullptr);
}
