// The operations of anisotropic deposition and etching, PVD, electroplating and Moore deposition
// and etching, through a workspace, their options set as their dialogs set them.
#include "Core/Operations/IsotropicFilmDeposition/IsotropicFilmDepositionOperation.h"
#include "Support/FilmProcessCases.h"
#include "Support/Volumes.h"
#include "Support/WorkspaceHarness.h"

#include <gtest/gtest.h>

using namespace Core::Operations;
using Model::Automaton::TotalVolume;

namespace {

class FilmFamilyOperations : public ::testing::Test {
protected:
    FilmFamilyOperations()
    {
        workspace().getScene().addObject(volume);
        for (const auto &c : cases)
            harness.factory->makers[c.operationId] = [this, make = c.operation] { return make(workspace()); };
    }

    std::shared_ptr<CellProcessOperation> make(uint32_t id)
    {
        return std::static_pointer_cast<CellProcessOperation>(harness.factory->makers[id]());
    }

    Core::Workspace &workspace() { return harness.workspace; }

    TestSupport::WorkspaceHarness harness;
    std::shared_ptr<TotalVolume> volume = TestSupport::trenchVolume(12, 6, 24);
    const std::vector<TestSupport::FilmProcessCase> cases = TestSupport::filmProcessCases();
};

} // namespace

TEST_F(FilmFamilyOperations, EachRunsItsEngineAndUndoAndRedoAreExact)
{
    auto &records = workspace().getVolumeRecords();
    const uint32_t objectId = volume->getObjectId();
    for (const auto &c : cases) {
        const auto original = volume->materialIds();
        const auto expected = TestSupport::cellsAfter(*volume, c.engine);
        ASSERT_NE(expected, original) << c.operationId;
        records.setLatticeOutdated(objectId, false);
        harness.log->lines.clear();
        workspace().activate(c.operationId);
        EXPECT_EQ(volume->materialIds(), expected) << c.operationId;
        EXPECT_EQ(harness.log->lines, (std::vector<std::string>{c.displayName + ": Cell volume selected.",
                                                                c.displayName + ": Operation finished."}));
        EXPECT_EQ(workspace().getUndoRedoStacks().undoName(), c.displayName);
        EXPECT_EQ(records.getLastProcess(objectId), c.recordedId ? c.recordedId : c.operationId);
        EXPECT_EQ(records.isLatticeOutdated(objectId), c.operationOutdatesLattice) << c.operationId;
        workspace().undo();
        EXPECT_EQ(volume->materialIds(), original) << c.operationId;
        workspace().redo();
        EXPECT_EQ(volume->materialIds(), expected) << c.operationId;
    }
}

TEST_F(FilmFamilyOperations, ClassesSharingANameKeepTheirHistoryRecordsApart)
{
    harness.factory->makers[13] = [this] {
        auto operation = std::make_shared<IsotropicFilmDepositionOperation>(workspace());
        operation->setThickness(1.0f);
        operation->setMaterial(4);
        return operation;
    };
    // Equal instance numbers for the pairs that share a display name (isotropic deposition and
    // PVD, Moore deposition and etching): only their distinct history keys keep the records apart.
    for (const auto &[firstId, secondId] : {std::pair<uint32_t, uint32_t>{13, 31}, {18, 19}}) {
        auto first = make(firstId), second = make(secondId);
        while (first->getInstance() != second->getInstance()) {
            if (first->getInstance() < second->getInstance())
                first = make(firstId);
            else
                second = make(secondId);
        }
        harness.factory->makers[901] = [first] { return first; };
        harness.factory->makers[902] = [second] { return second; };
        const auto original = volume->materialIds();
        workspace().activate(901);
        const auto afterFirst = volume->materialIds();
        workspace().activate(902);
        const auto afterSecond = volume->materialIds();
        ASSERT_NE(afterFirst, original);
        ASSERT_NE(afterSecond, afterFirst);
        workspace().undo();
        EXPECT_EQ(volume->materialIds(), afterFirst);
        workspace().undo();
        EXPECT_EQ(volume->materialIds(), original);
        workspace().redo();
        workspace().redo();
        EXPECT_EQ(volume->materialIds(), afterSecond);
    }
}

TEST_F(FilmFamilyOperations, ElectroplatingAndMooreCancelWithoutTheirOptions)
{
    const auto original = volume->materialIds();
    harness.factory->makers[15] = [this] {
        return std::make_shared<ElectrodepositionOperation>(workspace());
    };
    harness.factory->makers[19] = [this] {
        return std::make_shared<MooreNeighborhoodEtchingOperation>(workspace());
    };
    workspace().activate(15);
    EXPECT_EQ(harness.lastMessage(), "Electroplating: Operation canceled.");
    workspace().activate(19);
    EXPECT_EQ(harness.lastMessage(), "Moore film deposition: Operation canceled.");
    EXPECT_EQ(volume->materialIds(), original);
    EXPECT_FALSE(workspace().getUndoRedoStacks().canUndo());
}
