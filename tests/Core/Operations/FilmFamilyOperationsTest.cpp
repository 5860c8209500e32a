// The operations of anisotropic deposition and etching, PVD, electroplating and Moore deposition
// and etching, through a workspace with options observers standing in for their dialogs.
#include "Core/Operations/AnisotropicFilmDeposition/AnisotropicFilmDeposition.h"
#include "Core/Operations/AnisotropicFilmDeposition/AnisotropicFilmDepositionOperation.h"
#include "Core/Operations/AnisotropicFilmDeposition/AnisotropicFilmEtching.h"
#include "Core/Operations/AnisotropicFilmDeposition/AnisotropicFilmEtchingOperation.h"
#include "Core/Operations/AnisotropicFilmDeposition/SimplePhysicalVaporDepositionOperation.h"
#include "Core/Operations/Electrodeposition/Electrodeposition.h"
#include "Core/Operations/Electrodeposition/ElectrodepositionOperation.h"
#include "Core/Operations/IsotropicFilmDeposition/IsotropicFilmDepositionOperation.h"
#include "Core/Operations/MooreNeighborhood/MooreNeighborhoodDeposition.h"
#include "Core/Operations/MooreNeighborhood/MooreNeighborhoodDepositionOperation.h"
#include "Core/Operations/MooreNeighborhood/MooreNeighborhoodEtching.h"
#include "Core/Operations/MooreNeighborhood/MooreNeighborhoodEtchingOperation.h"
#include "Support/Volumes.h"
#include "Support/WorkspaceHarness.h"

#include <gtest/gtest.h>

using namespace Core::Operations;
using Model::Automaton::TotalVolume;

namespace {

constexpr uint32_t kSi = 1;
constexpr uint32_t kMetal = 4;
constexpr uint32_t kGold = 9;

struct Case {
    uint32_t id;
    std::string name;
    std::function<void(TotalVolume &)> engine; // what the accepted dialog's options run
    bool outdatesLattice;
};

class FilmFamilyOperations : public ::testing::Test {
protected:
    FilmFamilyOperations()
    {
        add<AnisotropicFilmDepositionOperation>(27, [](auto &op) {
            op.setThickness(2.5f);
            op.setRatio(0.4f);
            op.setMaterial(kMetal);
        });
        add<AnisotropicFilmEtchingOperation>(32, [](auto &op) {
            op.setDepth(2.0f);
            op.setRatio(0.0f);
            op.setMaterial(kMetal);
        });
        add<SimplePhysicalVaporDepositionOperation>(31, [](auto &op) {
            op.setThickness(3.0f);
            op.setRatio(0.5f);
            op.setMaterial(kSi);
            op.setDepositSide(DepositSide::Both);
        });
        add<ElectrodepositionOperation>(15, [](auto &op) {
            op.setThickness(2.0f);
            op.setDepositedMaterial(kGold);
            op.setConductingMaterial(kSi);
        });
        add<MooreNeighborhoodDepositionOperation>(18, [](auto &op) {
            op.setMaterial(kSi);
            op.setCount(2);
        });
        add<MooreNeighborhoodEtchingOperation>(19, [](auto &op) {
            op.setMaterial(kSi);
            op.setCount(1);
        });
        add<IsotropicFilmDepositionOperation>(13, [](auto &op) {
            op.setThickness(1.0f);
            op.setMaterial(kMetal);
        });
        // Dialogs the user rejects.
        add<ElectrodepositionOperation>(115, nullptr);
        add<MooreNeighborhoodEtchingOperation>(119, nullptr);
        volume = TestSupport::trenchVolume(12, 6, 24);
        harness.workspace.getScene().addObject(volume);
    }

    template <class OperationClass> void add(uint32_t id, std::function<void(OperationClass &)> accept)
    {
        harness.addOperation<OperationClass>(
            id, [](Core::Workspace &w) { return std::make_shared<OperationClass>(w); }, accept);
    }

    std::vector<uint32_t> expectedAfter(const std::function<void(TotalVolume &)> &engine)
    {
        auto copy = std::static_pointer_cast<TotalVolume>(volume->clone());
        engine(*copy);
        return copy->materialIds();
    }

    Core::Workspace &workspace() { return harness.workspace; }

    TestSupport::WorkspaceHarness harness;
    std::shared_ptr<TotalVolume> volume;
};

} // namespace

TEST_F(FilmFamilyOperations, EachRunsItsEngineAndUndoAndRedoAreExact)
{
    const Case cases[] = {
        {27, "Anisotropic Deposition",
         [](TotalVolume &v) { AnisotropicFilmDeposition(v, kMetal, 2.5f, 0.4f).execute(); }, false},
        {32, "Anisotropic Etching",
         [](TotalVolume &v) { AnisotropicFilmEtching(v, kMetal, 2.0f, 0.0f).execute(); }, false},
        {31, "Isotropic Deposition",
         [](TotalVolume &v) {
             SimplePhysicalVaporDeposition(v, kSi, 3.0f, 0.5f, DepositSide::Both).execute();
         },
         true},
        {15, "Electroplating", [](TotalVolume &v) { Electrodeposition(v, kGold, kSi, 2.0f).execute(); },
         false},
        {18, "Moore film deposition",
         [](TotalVolume &v) { MooreNeighborhoodDeposition(v, kSi, 2).execute(); }, true},
        {19, "Moore film deposition", [](TotalVolume &v) { MooreNeighborhoodEtching(v, kSi, 1).execute(); },
         true},
    };
    auto &records = workspace().getVolumeRecords();
    const uint32_t objectId = volume->getObjectId();
    for (const Case &c : cases) {
        const auto original = volume->materialIds();
        const auto expected = expectedAfter(c.engine);
        ASSERT_NE(expected, original) << c.id;
        records.setLatticeOutdated(objectId, false);
        harness.log->lines.clear();
        workspace().activate(c.id);
        EXPECT_EQ(volume->materialIds(), expected) << c.id;
        EXPECT_EQ(harness.log->lines, (std::vector<std::string>{c.name + ": Cell volume selected.",
                                                                c.name + ": Operation finished."}));
        EXPECT_EQ(workspace().getUndoRedoStacks().undoName(), c.name);
        EXPECT_EQ(records.getLastProcess(objectId), c.id);
        EXPECT_EQ(records.isLatticeOutdated(objectId), c.outdatesLattice) << c.id;
        workspace().undo();
        EXPECT_EQ(volume->materialIds(), original) << c.id;
        workspace().redo();
        EXPECT_EQ(volume->materialIds(), expected) << c.id;
    }
}

TEST_F(FilmFamilyOperations, ClassesSharingANameKeepTheirHistoryRecordsApart)
{
    // Same instance numbers for the pairs that share a display name: only distinct history keys
    // keep their records apart.
    const auto align = [&](auto makeFirst, auto makeSecond) {
        auto first = makeFirst(), second = makeSecond();
        while (first->getInstance() < second->getInstance())
            first = makeFirst();
        while (second->getInstance() < first->getInstance())
            second = makeSecond();
        ASSERT_EQ(first->getInstance(), second->getInstance());
        harness.factory->makers[901] = [first] { return first; };
        harness.factory->makers[902] = [second] { return second; };
    };
    const auto makeOperation = [this](uint32_t id) {
        return [this, id] {
            return std::static_pointer_cast<CellProcessOperation>(harness.factory->create(id));
        };
    };
    for (const auto &pair : {std::pair<uint32_t, uint32_t>{13, 31}, {18, 19}}) {
        align(makeOperation(pair.first), makeOperation(pair.second));
        const auto original = volume->materialIds();
        workspace().activate(901);
        const auto afterFirst = volume->materialIds();
        workspace().activate(902);
        const auto afterSecond = volume->materialIds();
        ASSERT_NE(afterFirst, original);
        ASSERT_NE(afterSecond, afterFirst);
        workspace().undo();
        EXPECT_EQ(volume->materialIds(), afterFirst) << pair.first;
        workspace().undo();
        EXPECT_EQ(volume->materialIds(), original) << pair.first;
        workspace().redo();
        workspace().redo();
        EXPECT_EQ(volume->materialIds(), afterSecond) << pair.first;
    }
}

TEST_F(FilmFamilyOperations, ElectroplatingAndMooreCancelWithoutTheirOptions)
{
    const auto original = volume->materialIds();
    for (uint32_t id : {115u, 119u}) {
        workspace().activate(id);
        EXPECT_EQ(harness.lastMessage().substr(harness.lastMessage().find(':')), ": Operation canceled.");
        EXPECT_EQ(workspace().currentOperation(), nullptr);
    }
    EXPECT_EQ(volume->materialIds(), original);
    EXPECT_FALSE(workspace().getUndoRedoStacks().canUndo());
}
