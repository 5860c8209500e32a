#include "Core/Operations/IsotropicFilmDeposition/IsotropicFilmEtchingOperation.h"
#include "Core/Operations/SiWetEtching/AtomicStructureSimpleSiWetEtch.h"
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
        harness.addOperation<SiWetEtchOperation>(
            28, [](Core::Workspace &w) { return std::make_shared<AtomisticSiWetEtchingOperation>(w); }, ask);
        harness.addOperation<SiWetEtchOperation>(
            29, [](Core::Workspace &w) { return std::make_shared<ContinousWetEtchOperation>(w); }, ask);
        harness.addOperation<IsotropicFilmEtchingOperation>(
            14, [](Core::Workspace &w) { return std::make_shared<IsotropicFilmEtchingOperation>(w); },
            [](IsotropicFilmEtchingOperation &op) {
                op.setMaterial(TestSupport::kSilicon);
                op.setDepth(1.0f);
            });
        harness.workspace.getScene().addObject(volume);
    }

    Core::VolumeRecords &records() { return harness.workspace.getVolumeRecords(); }

    TestSupport::WorkspaceHarness harness;
    std::shared_ptr<TotalVolume> volume = TestSupport::maskedSilicon(16, 8, 2, 8);
    uint64_t budget = Util::largeStructureBudget();
};

} // namespace

TEST_F(SiWetEtchOperationsTest, EtchRunsTheEngineOnceAndKeepsTheLatticeUntilTheCellsChange)
{
    const auto expected = TestSupport::cellsAfter(*volume, [](TotalVolume &v) {
        v.createSiLattice();
        AtomicStructureSimpleSiWetEtch(v, 2.0).run();
    });

    harness.workspace.activate(28);
    EXPECT_EQ(harness.log->lines, (std::vector<std::string>{"BCA Wet Etch: Cell volume selected.",
                                                            "BCA Wet Etch: Operation finished."}));
    EXPECT_EQ(volume->materialIds(), expected);
    EXPECT_EQ(records().getLastProcess(volume->getObjectId()), 28u);
    EXPECT_FALSE(records().isLatticeOutdated(volume->getObjectId()));
    EXPECT_EQ(harness.workspace.currentOperation(), nullptr);
    EXPECT_FALSE(harness.workspace.getUndoRedoStacks().canUndo()) << "wet etchings are not undone";

    // Unchanged cells keep the lattice; etching silicon, and undoing that, outdate it.
    const auto lattice = volume->getSiLattice();
    harness.workspace.activate(29);
    EXPECT_EQ(volume->getSiLattice(), lattice);
    EXPECT_EQ(records().getLastProcess(volume->getObjectId()), 29u);
    harness.workspace.activate(14);
    EXPECT_TRUE(records().isLatticeOutdated(volume->getObjectId()));
    harness.workspace.activate(28);
    EXPECT_NE(volume->getSiLattice(), lattice);
    harness.workspace.undo();
    EXPECT_TRUE(records().isLatticeOutdated(volume->getObjectId()));
}

TEST_F(SiWetEtchOperationsTest, VolumeTooLargeForItsLatticeOrWithoutSiliconIsLeftAlone)
{
    budget = 1000;
    const auto before = volume->materialIds();
    harness.workspace.activate(28);
    EXPECT_EQ(
        harness.lastMessage().rfind("BCA Wet Etch: The cell volume is too large for a silicon lattice in "
                                    "memory (it would need ",
                                    0),
        0u)
        << harness.lastMessage();
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
