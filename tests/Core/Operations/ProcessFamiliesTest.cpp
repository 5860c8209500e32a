// Every cell process of the menus from one table (ProcessCases.h): its engine gives the same cells
// for any thread count, and its operation, options set as its dialog sets them, gives the engine's
// cells, says so, records itself and undoes exactly. Isotropic deposition stands for what all cell
// processes share: picking the volume, cancelling, and history entries of the changed cells only.
#include "Core/Operations/Cuts/MaskedCutCellVolumeOperation.h"
#include "Core/Operations/OperationCatalogue.h"
#include "Support/PersistenceTestSupport.h"
#include "Support/ProcessCases.h"
#include "Support/WorkspaceHarness.h"

#include <QFileInfo>

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

class ProcessFamilies : public PersistenceTest::CatalogueTest {
protected:
    ProcessFamilies() { use(TestSupport::trenchVolume(13, 9, 24)); }

    // Puts `next` in the scene in place of the volume used so far.
    void use(std::shared_ptr<TotalVolume> next)
    {
        if (volume)
            workspace().getScene().removeObject(volume);
        volume = std::move(next);
        workspace().getScene().addObject(volume);
    }

    std::shared_ptr<CellProcessOperation> make(uint32_t id)
    {
        return std::static_pointer_cast<CellProcessOperation>(harness.factory->makers[id]());
    }

    Core::Workspace &workspace() { return harness.workspace; }

    TestSupport::WorkspaceHarness harness;
    std::shared_ptr<TotalVolume> volume;
};

} // namespace

TEST_F(ProcessFamilies, EnginesGiveTheSameCellsForAnyThreadCount)
{
    for (const auto &family : TestSupport::processFamilies()) {
        SCOPED_TRACE(family.name);
        const auto chain = [&family](TotalVolume &v) {
            for (const auto &c : family.cases)
                c.engine(v);
        };
        if (family.chained)
            TestSupport::expectSameCellsForAnyThreadCount(family.volume, chain);
        else
            for (const auto &c : family.cases)
                TestSupport::expectSameCellsForAnyThreadCount(family.volume, c.engine);
    }
}

TEST_F(ProcessFamilies, EachOperationRunsItsEngineRecordsItselfAndUndoesExactly)
{
    auto &records = workspace().getVolumeRecords();
    auto &stacks = workspace().getUndoRedoStacks();
    const auto families = TestSupport::processFamilies();
    for (const auto &family : families) {
        std::shared_ptr<TotalVolume> expected; // the engines' cells along the family's chain
        for (const auto &c : family.cases) {
            SCOPED_TRACE(family.name + ": " + std::to_string(c.operationId));
            if (!expected || !family.chained) {
                use(family.volume());
                expected = family.volume();
            }
            harness.factory->makers[c.operationId] = [&] { return c.operation(workspace()); };
            const auto original = volume->materialIds();
            c.engine(*expected);
            ASSERT_NE(expected->materialIds(), original);
            const uint32_t id = volume->getObjectId();
            records.setLatticeOutdated(id, false);
            harness.log->lines.clear();
            const size_t undoCount = stacks.undoCount();
            workspace().activate(c.operationId);
            EXPECT_EQ(volume->materialIds(), expected->materialIds());
            EXPECT_EQ(harness.log->lines,
                      (std::vector<std::string>{c.displayName + ": Cell volume selected.",
                                                c.displayName + ": Operation finished."}));
            EXPECT_EQ(records.getLastProcess(id), c.operationId);
            EXPECT_EQ(records.isLatticeOutdated(id), c.operationOutdatesLattice);
            EXPECT_EQ(workspace().currentOperation(), nullptr);
            if (!findCatalogueEntry(c.operationId)->undoable) {
                EXPECT_EQ(stacks.undoCount(), undoCount);
                continue;
            }
            EXPECT_EQ(stacks.undoName(), c.displayName);
            workspace().undo();
            EXPECT_EQ(volume->materialIds(), original);
            workspace().redo();
            EXPECT_EQ(volume->materialIds(), expected->materialIds());
        }
    }
}

TEST_F(ProcessFamilies, ClassesSharingANameKeepTheirHistoryRecordsApart)
{
    for (const auto &c : TestSupport::filmProcessCases())
        harness.factory->makers[c.operationId] = [this, make = c.operation] { return make(workspace()); };
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

// Dialogs rejected or left without a needed option: nothing changes, a shown mask goes away. A
// rejected dialog takes the one path all cell processes share (Electroplating stands for them);
// the others leave an option out or have a mask or a message of their own.
TEST_F(ProcessFamilies, OperationsWithoutTheirOptionsCancel)
{
    harness.add<ElectrodepositionOperation>(15);
    harness.add<PhotolithographyOperation>(20, [](auto &op) { op.setTopMask(TestSupport::sampleMask()); });
    harness.add<PlanarizationOperation>(22, [](auto &op) { op.setMaximumHeight(2); });
    harness.add<MaskedCutCellVolumeOperation>(34, [](auto &op) { op.showMask(TestSupport::sampleMask()); });
    harness.add<SimpleReactiveIonEtchingOperation>(30, [](auto &op) { op.setDepth(3); });
    const auto original = volume->materialIds();
    std::vector<std::string> messages;
    for (uint32_t id : {15u, 20u, 22u, 30u, 34u}) {
        workspace().activate(id);
        messages.push_back(harness.lastMessage());
    }
    EXPECT_EQ(messages, (std::vector<std::string>{
                            "Electroplating: Operation canceled.", "Photolithography: Operation canceled.",
                            "Planarization: Operation canceled!", "Simple RIE: Operation canceled.",
                            "Masked Cut: Operation Canceled!"}));
    EXPECT_EQ(volume->materialIds(), original);
    uint32_t maskWidth = 0, maskHeight = 0;
    volume->getTopMaskSize(maskWidth, maskHeight);
    EXPECT_EQ(maskWidth, 0u);
    EXPECT_EQ(TestSupport::cutCounts(*volume), std::vector<int>(volume->getCellCount(), 0));
    EXPECT_FALSE(workspace().getUndoRedoStacks().canUndo());
    EXPECT_EQ(workspace().currentOperation(), nullptr);
}

TEST_F(ProcessFamilies, RejectedIsotropicDialogRunsWithoutEffectButStaysUndoable)
{
    harness.add<IsotropicFilmDepositionOperation>(13);
    const auto original = volume->materialIds();
    workspace().activate(13);
    EXPECT_EQ(harness.lastMessage(), "Isotropic Deposition: Operation finished.");
    EXPECT_EQ(volume->materialIds(), original);
    EXPECT_EQ(workspace().getUndoRedoStacks().undoCount(), 1u);
}

TEST_F(ProcessFamilies, AnEngineOutOfMemoryLeavesTheCellsAsTheyWere)
{
    harness.add<ExhaustedDepositionOperation>(13, [](auto &op) { op.setThickness(3.0f); });
    const auto original = volume->materialIds();
    workspace().activate(13);
    EXPECT_EQ(volume->materialIds(), original);
    EXPECT_EQ(harness.log->lines.at(1), "Isotropic Deposition: Not enough memory to run the process.");
    EXPECT_EQ(harness.lastMessage(), "Isotropic Deposition: Operation finished.");
}

TEST_F(ProcessFamilies, WithSeveralVolumesTheProcessWaitsForOneOrCancels)
{
    int dialogs = 0;
    harness.add<IsotropicFilmDepositionOperation>(13, [&dialogs](auto &op) {
        ++dialogs;
        op.setMaterial(TestSupport::kMetal);
        op.setThickness(1.0f);
    });
    const auto other = TestSupport::trenchVolume(13, 9, 24);
    workspace().getScene().addObject(other);
    workspace().activate(13);
    EXPECT_EQ(harness.lastMessage(), "Isotropic Deposition: Select a cell volume and press Enter/Return.");
    EXPECT_EQ(dialogs, 0);
    workspace().getSelection().toggle(other);
    workspace().getCommandInterpreter().interpret("");
    EXPECT_EQ(dialogs, 1);
    EXPECT_NE(other->materialIds(), volume->materialIds());
    EXPECT_FALSE(workspace().getSelection().getMode());
    EXPECT_EQ(harness.lastMessage(), "Isotropic Deposition: Operation finished.");

    const size_t undoCount = workspace().getUndoRedoStacks().undoCount();
    workspace().activate(13);
    workspace().cancelCurrent();
    EXPECT_EQ(harness.lastMessage(), "Isotropic Deposition: Operation canceled.");
    workspace().getScene().removeObject(other);
    workspace().getScene().removeObject(volume);
    workspace().activate(13);
    workspace().currentOperation()->finish();
    EXPECT_EQ(harness.lastMessage(), "Isotropic Deposition: Operation canceled.");
    EXPECT_EQ(workspace().currentOperation(), nullptr);
    EXPECT_EQ(workspace().getUndoRedoStacks().undoCount(), undoCount);
}

TEST_F(ProcessFamilies, AStepWritesOnlyTheCellsItChanged)
{
    use(TestSupport::makeRandomVolume(40, 40, 40, {1, 3, 4, 9, 16}, 0.01, 7));
    harness.add<IsotropicFilmDepositionOperation>(13, [](auto &op) {
        op.setMaterial(TestSupport::kMetal);
        op.setThickness(1.0f);
    });
    const auto original = volume->materialIds();
    workspace().activate(13);
    auto &registry = workspace().getArchiveRegistry();
    const qint64 written = QFileInfo(registry.getUndoHistory().getPath()).size()
                           + QFileInfo(registry.getRedoHistory().getPath()).size();
    EXPECT_LT(written, qint64(volume->getCellCount() / 20)) << "about 640 of 64000 cells changed";
    workspace().undo();
    EXPECT_EQ(volume->materialIds(), original);
}
