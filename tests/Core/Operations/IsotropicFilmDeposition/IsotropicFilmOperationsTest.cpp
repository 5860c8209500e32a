#include "Core/Operations/IsotropicFilmDeposition/IsotropicFilmDeposition.h"
#include "Core/Operations/IsotropicFilmDeposition/IsotropicFilmDepositionOperation.h"
#include "Core/Operations/IsotropicFilmDeposition/IsotropicFilmEtching.h"
#include "Core/Operations/IsotropicFilmDeposition/IsotropicFilmEtchingOperation.h"
#include "Model/Automaton/TotalVolume.h"
#include "Support/Volumes.h"
#include "Support/WorkspaceHarness.h"

#include <gtest/gtest.h>

using namespace Core::Operations;
using Model::Automaton::TotalVolume;

namespace {

constexpr uint32_t kSi = 1;
constexpr uint32_t kMetal = 4;

// Cells after running an engine directly on a copy of the volume.
template <class Engine>
std::vector<uint32_t> expectedAfter(TotalVolume &volume, uint32_t material, float limit)
{
    return TestSupport::cellsAfter(volume, [&](TotalVolume &v) { Engine(v, material, limit).execute(); });
}

// A deposition whose engine runs out of memory half-way, after changing some cells.
class ExhaustedDepositionOperation : public IsotropicFilmDepositionOperation {
public:
    using IsotropicFilmDepositionOperation::IsotropicFilmDepositionOperation;

protected:
    void runEngine(TotalVolume &volume) override
    {
        auto ids = volume.materialIds();
        ids.assign(ids.size(), kMetal);
        volume.setMaterialIds(ids);
        throw std::bad_alloc();
    }
};

class IsotropicFilmOperationsTest : public ::testing::Test {
protected:
    IsotropicFilmOperationsTest()
    {
        const auto deposit = [this](IsotropicFilmDepositionOperation &op) {
            op.setThickness(thickness);
            op.setMaterial(material);
        };
        harness.addOperation<IsotropicFilmDepositionOperation>(
            13, [](Core::Workspace &w) { return std::make_shared<IsotropicFilmDepositionOperation>(w); },
            deposit);
        harness.addOperation<IsotropicFilmDepositionOperation>(
            33,
            [](Core::Workspace &w) { return std::make_shared<IsotropicFilmDepositionOperation>(w, "CVD"); },
            deposit);
        harness.addOperation<IsotropicFilmEtchingOperation>(
            14, [](Core::Workspace &w) { return std::make_shared<IsotropicFilmEtchingOperation>(w); },
            [this](IsotropicFilmEtchingOperation &op) {
                op.setDepth(thickness);
                op.setMaterial(material);
            });
        // A dialog the user rejects.
        harness.addOperation<IsotropicFilmDepositionOperation>(
            99, [](Core::Workspace &w) { return std::make_shared<IsotropicFilmDepositionOperation>(w); },
            nullptr);
        harness.addOperation<ExhaustedDepositionOperation>(
            98, [](Core::Workspace &w) { return std::make_shared<ExhaustedDepositionOperation>(w); },
            [](ExhaustedDepositionOperation &op) { op.setThickness(3.0f); });
        volume = TestSupport::makeVolume(9, 7, 12, [](uint32_t x, uint32_t y, uint32_t z) {
            return (z < 5 && !(x > 2 && x < 6 && y > 1 && y < 5 && z > 2)) ? kSi : 0u;
        });
        harness.workspace.getScene().addObject(volume);
    }

    Core::Workspace &workspace() { return harness.workspace; }

    TestSupport::WorkspaceHarness harness;
    std::shared_ptr<TotalVolume> volume;
    float thickness = 2.5f;
    uint32_t material = kMetal;
};

} // namespace

TEST_F(IsotropicFilmOperationsTest, SuccessiveProcessesApplyAndUndoAndRedoInOrder)
{
    const auto original = volume->materialIds();
    const auto expectedDeposition = expectedAfter<IsotropicFilmDeposition>(*volume, kMetal, thickness);
    workspace().activate(13); // metal film
    const auto afterDeposition = volume->materialIds();
    EXPECT_EQ(afterDeposition, expectedDeposition);
    EXPECT_EQ(harness.log->lines, (std::vector<std::string>{"Isotropic Deposition: Cell volume selected.",
                                                            "Isotropic Deposition: Operation finished."}));
    EXPECT_EQ(workspace().currentOperation(), nullptr);
    EXPECT_EQ(workspace().getUndoRedoStacks().undoName(), "Isotropic Deposition");
    const auto expectedEtching = expectedAfter<IsotropicFilmEtching>(*volume, kSi, 1.0f);
    material = kSi;
    thickness = 1.0f;
    workspace().activate(14); // etch silicon
    const auto afterEtching = volume->materialIds();
    EXPECT_EQ(afterEtching, expectedEtching);
    material = kMetal;
    workspace().activate(33); // CVD on top
    const auto afterCvd = volume->materialIds();
    ASSERT_NE(afterCvd, afterEtching);
    EXPECT_EQ(workspace().getUndoRedoStacks().undoName(), "CVD");

    for (const auto *expected : {&afterEtching, &afterDeposition, &original}) {
        workspace().undo();
        EXPECT_EQ(volume->materialIds(), *expected);
    }
    EXPECT_EQ(workspace().getUndoRedoStacks().redoName(), "Isotropic Deposition");
    for (const auto *expected : {&afterDeposition, &afterEtching, &afterCvd}) {
        workspace().redo();
        EXPECT_EQ(volume->materialIds(), *expected);
    }
}

TEST_F(IsotropicFilmOperationsTest, CvdReportsTheDepositionIdAndEtchingMarksSiliconLatticeOutdated)
{
    const uint32_t id = volume->getObjectId();
    auto &records = workspace().getVolumeRecords();
    records.setLatticeOutdated(id, false);
    workspace().activate(33);
    EXPECT_EQ(harness.log->lines.back(), "CVD: Operation finished.");
    EXPECT_EQ(records.getLastProcess(id), 13u);
    EXPECT_FALSE(records.isLatticeOutdated(id)); // metal does not touch the lattice

    material = kSi;
    workspace().activate(14);
    EXPECT_EQ(harness.log->lines.back(), "Isotropic Etching: Operation finished.");
    EXPECT_EQ(records.getLastProcess(id), 14u);
    EXPECT_TRUE(records.isLatticeOutdated(id));
}

TEST_F(IsotropicFilmOperationsTest, RejectedDialogRunsWithoutEffectButStaysUndoable)
{
    const auto original = volume->materialIds();
    workspace().activate(99);
    EXPECT_EQ(harness.lastMessage(), "Isotropic Deposition: Operation finished.");
    EXPECT_EQ(volume->materialIds(), original);
    EXPECT_EQ(workspace().getUndoRedoStacks().undoCount(), 1u);
}

TEST_F(IsotropicFilmOperationsTest, AnEngineOutOfMemoryLeavesTheCellsAsTheyWere)
{
    const auto original = volume->materialIds();
    workspace().activate(98);
    EXPECT_EQ(volume->materialIds(), original);
    EXPECT_EQ(harness.log->lines.at(1), "Isotropic Deposition: Not enough memory to run the process.");
    EXPECT_EQ(harness.lastMessage(), "Isotropic Deposition: Operation finished.");
}
