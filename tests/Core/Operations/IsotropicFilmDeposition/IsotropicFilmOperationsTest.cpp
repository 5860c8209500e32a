// What the film family's table (FilmProcessCases.h) leaves out: a rejected dialog and an
// engine that runs out of memory. The isotropic operations' engines, messages, records and undo
// run with the other film processes in FilmFamilyOperationsTest.
#include "Core/Operations/IsotropicFilmDeposition/IsotropicFilmDepositionOperation.h"
#include "Model/Automaton/TotalVolume.h"
#include "Support/Volumes.h"
#include "Support/WorkspaceHarness.h"

#include <gtest/gtest.h>

using namespace Core::Operations;
using Model::Automaton::TotalVolume;

namespace {

// A deposition whose engine runs out of memory half-way, after changing some cells.
class ExhaustedDepositionOperation : public IsotropicFilmDepositionOperation {
public:
    using IsotropicFilmDepositionOperation::IsotropicFilmDepositionOperation;

protected:
    void runEngine(TotalVolume &volume) override
    {
        volume.setMaterialIds(std::vector<uint32_t>(volume.getCellCount(), 4));
        throw std::bad_alloc();
    }
};

class IsotropicFilmOperationsTest : public ::testing::Test {
protected:
    IsotropicFilmOperationsTest() { harness.workspace.getScene().addObject(volume); }

    TestSupport::WorkspaceHarness harness;
    std::shared_ptr<TotalVolume> volume = TestSupport::trenchVolume(12, 6, 24);
};

} // namespace

TEST_F(IsotropicFilmOperationsTest, RejectedDialogRunsWithoutEffectButStaysUndoable)
{
    harness.addOperation<IsotropicFilmDepositionOperation>(
        13, [](Core::Workspace &w) { return std::make_shared<IsotropicFilmDepositionOperation>(w); },
        nullptr);
    const auto original = volume->materialIds();
    harness.workspace.activate(13);
    EXPECT_EQ(harness.lastMessage(), "Isotropic Deposition: Operation finished.");
    EXPECT_EQ(volume->materialIds(), original);
    EXPECT_EQ(harness.workspace.getUndoRedoStacks().undoCount(), 1u);
}

TEST_F(IsotropicFilmOperationsTest, AnEngineOutOfMemoryLeavesTheCellsAsTheyWere)
{
    harness.addOperation<ExhaustedDepositionOperation>(
        13, [](Core::Workspace &w) { return std::make_shared<ExhaustedDepositionOperation>(w); },
        [](ExhaustedDepositionOperation &op) { op.setThickness(3.0f); });
    const auto original = volume->materialIds();
    harness.workspace.activate(13);
    EXPECT_EQ(volume->materialIds(), original);
    EXPECT_EQ(harness.log->lines.at(1), "Isotropic Deposition: Not enough memory to run the process.");
    EXPECT_EQ(harness.lastMessage(), "Isotropic Deposition: Operation finished.");
}
