#include "Core/Operations/Cuts/CutCellVolumeOperation.h"
#include "Core/Operations/Cuts/MaskedCutCellVolumeOperation.h"
#include "Core/Operations/Cuts/RemoveCutsFromVolumeOperation.h"
#include "Core/Operations/Photolithography/PhotolithographyOperation.h"
#include "Model/Automaton/TotalVolumePainter.h"
#include "Support/Volumes.h"
#include "Support/WorkspaceHarness.h"

#include <gtest/gtest.h>

using namespace Core::Operations;
using Model::Automaton::CutBox;
using Model::Automaton::ImageMask;
using Model::Automaton::TotalVolume;

namespace {

using namespace TestSupport::Materials;

// A 2 × 2 mask blocking column (0, 0) only.
ImageMask cornerMask()
{
    QBitArray bits(4);
    bits.setBit(0);
    return ImageMask(bits, 2, 2);
}

class MaskAndLayerOperations : public ::testing::Test {
protected:
    MaskAndLayerOperations()
    {
        // Resist (z 3..4) over silicon (z 0..2) in a 4 × 3 × 8 volume.
        volume = TestSupport::makeVolume(4, 3, 8, [](uint32_t, uint32_t, uint32_t z) {
            return z < 3 ? 1u : z < 5 ? kResist : 0u;
        });
        harness.workspace.getScene().addObject(volume);
    }

    std::vector<int> cutCounts() { return TestSupport::cutCounts(*volume); }

    Core::Workspace &workspace() { return harness.workspace; }

    TestSupport::WorkspaceHarness harness;
    std::shared_ptr<TotalVolume> volume;
};

} // namespace

uint32_t shownTopMaskWidth(TotalVolume &volume)
{
    uint32_t width = 0, height = 0;
    volume.getTopMaskSize(width, height);
    return width;
}

// The dialog shows the masks on the volume while it is open; developing uses them up.
TEST_F(MaskAndLayerOperations, PhotolithographyShowsItsMasksUntilItDevelops)
{
    uint32_t shownWidth = 0;
    harness.add<PhotolithographyOperation>(20, [&](PhotolithographyOperation &op) {
        op.setTopMask(cornerMask());
        shownWidth = shownTopMaskWidth(*volume);
        op.setMaterial(kResist);
    });
    workspace().activate(20);
    EXPECT_EQ(shownWidth, 2u);
    EXPECT_NE(TestSupport::materialAt(*volume, 1, 0, 4), kResist) << "developed (the cells: ProcessFamilies)";
    EXPECT_EQ(shownTopMaskWidth(*volume), 0u);
}

// The count limit and the columns a mask keeps are the engine's (CutCellVolumeEngine).
TEST_F(MaskAndLayerOperations, MaskedCutsUndoOneCutAndRemovingThemLeavesNoUndoEntry)
{
    harness.add<MaskedCutCellVolumeOperation>(
        34, [](MaskedCutCellVolumeOperation &op) { op.setMask(cornerMask()); });
    harness.add<RemoveCutsFromVolumeOperation>(35, nullptr);
    auto countAt = [&](uint32_t x, uint32_t y) { return cutCounts()[volume->cellIndex(x, y, 2)]; };
    workspace().activate(34);
    workspace().activate(34);
    EXPECT_EQ(countAt(3, 2), 2);
    EXPECT_EQ(harness.log->lines.back(), "Masked Cut: Cut planes changed.");
    EXPECT_EQ(workspace().getUndoRedoStacks().undoName(), "Masked Cut");
    workspace().undo();
    EXPECT_EQ(countAt(3, 2), 1);
    workspace().redo();
    EXPECT_EQ(countAt(3, 2), 2);
    workspace().activate(35);
    EXPECT_EQ(cutCounts(), std::vector<int>(volume->getCellCount(), 0));
    EXPECT_EQ(workspace().getUndoRedoStacks().undoName(), "Masked Cut") << "Remove Cuts leaves no undo entry";
}

TEST_F(MaskAndLayerOperations, CutPlanesPreviewAtOnceAndCancellingPutsTheBoxBack)
{
    const CutBox whole = volume->getPainter().getCutBox();
    const CutBox box{{1, 0, 2}, {3, 3, 6}};
    CutBox previewed;
    harness.add<CutCellVolumeOperation>(16, [&](CutCellVolumeOperation &op) {
        op.setCutLimits(box, true);
        previewed = volume->getPainter().getCutBox();
    });
    workspace().activate(16);
    EXPECT_EQ(previewed, box);
    EXPECT_EQ(volume->getPainter().getCutBox(), box);
    EXPECT_EQ(harness.log->lines.back(), "Change Cut Planes: Cut planes changed.");

    // A dialog that previews and is then rejected: the box found at the start comes back.
    harness.add<CutCellVolumeOperation>(17, [](CutCellVolumeOperation &op) {
        op.setCutLimits({{0, 0, 0}, {1, 1, 1}}, true);
        op.cancel();
    });
    workspace().activate(17);
    EXPECT_EQ(volume->getPainter().getCutBox(), box);
    EXPECT_EQ(harness.log->lines.back(), "Change Cut Planes: Operation Canceled!");
    EXPECT_FALSE(box == whole);
}
