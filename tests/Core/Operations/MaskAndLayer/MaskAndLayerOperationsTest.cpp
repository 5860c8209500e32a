#include "Core/Operations/Cuts/CutCellVolumeOperation.h"
#include "Core/Operations/Cuts/MaskedCutCellVolumeOperation.h"
#include "Core/Operations/Cuts/RemoveCutsFromVolumeOperation.h"
#include "Core/Operations/Photolithography/Photolithography.h"
#include "Core/Operations/Photolithography/PhotolithographyOperation.h"
#include "Core/Operations/Planarization/PlanarizationOperation.h"
#include "Core/Operations/Planarization/SpinCoatingOperation.h"
#include "Core/Operations/ReactiveIonEtching/SimpleReactiveIonEtchingOperation.h"
#include "Model/Automaton/TotalVolumePainter.h"
#include "Support/Volumes.h"
#include "Support/WorkspaceHarness.h"

#include <gtest/gtest.h>

using namespace Core::Operations;
using Model::Automaton::CutBox;
using Model::Automaton::ImageMask;
using Model::Automaton::TotalVolume;

namespace {

constexpr uint32_t kSi = 1;
constexpr uint32_t kResist = 11;

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
            return z < 3 ? kSi : z < 5 ? kResist : 0u;
        });
        harness.workspace.getScene().addObject(volume);
    }

    // Registers operation `id` built by `make`, whose options the fake dialog sets with `accept`.
    template <class Op> void add(uint32_t id, std::function<void(Op &)> accept)
    {
        harness.addOperation<Op>(
            id, [](Core::Workspace &w) { return std::make_shared<Op>(w); }, std::move(accept));
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

TEST_F(MaskAndLayerOperations, PhotolithographyShowsItsMasksThenDevelopsWithoutUndoEntry)
{
    uint32_t shownWidth = 0;
    add<PhotolithographyOperation>(20, [&](PhotolithographyOperation &op) {
        op.setTopMask(cornerMask());
        shownWidth = shownTopMaskWidth(*volume);
        op.setMaterial(kResist);
    });
    auto expected = std::static_pointer_cast<TotalVolume>(volume->clone());
    Photolithography(*expected, kResist, ImageMask(), cornerMask()).run();
    workspace().activate(20);
    EXPECT_EQ(shownWidth, 2u);
    EXPECT_EQ(volume->materialIds(), expected->materialIds());
    EXPECT_EQ(TestSupport::materialAt(*volume, 0, 0, 4), kResist) << "under the opaque pixel";
    EXPECT_EQ(TestSupport::materialAt(*volume, 1, 0, 4), 0u);
    EXPECT_EQ(harness.log->lines.back(), "Photolithography: Operation finished.");
    EXPECT_TRUE(workspace().getUndoRedoStacks().undoName().empty());
    EXPECT_EQ(workspace().getVolumeRecords().getLastProcess(volume->getObjectId()), 20u);
    EXPECT_EQ(shownTopMaskWidth(*volume), 0u) << "the masks are used up";
}

TEST_F(MaskAndLayerOperations, ProcessesWithoutTheirOptionsCancelChangeNothingAndHideTheShownMask)
{
    add<PhotolithographyOperation>(20, [](PhotolithographyOperation &op) { op.setTopMask(cornerMask()); });
    add<PlanarizationOperation>(22, [](PlanarizationOperation &op) { op.setMaximumHeight(2); });
    add<SpinCoatingOperation>(23, nullptr);
    add<SimpleReactiveIonEtchingOperation>(30, [](SimpleReactiveIonEtchingOperation &op) { op.setDepth(3); });
    add<MaskedCutCellVolumeOperation>(34,
                                      [](MaskedCutCellVolumeOperation &op) { op.showMask(cornerMask()); });
    const auto before = volume->materialIds();
    for (uint32_t id : {20u, 22u, 23u, 30u, 34u})
        workspace().activate(id);
    EXPECT_EQ(volume->materialIds(), before);
    EXPECT_EQ(shownTopMaskWidth(*volume), 0u);
    EXPECT_EQ(harness.log->lines,
              (std::vector<std::string>{
                  "Photolithography: Cell volume selected.", "Photolithography: Operation canceled.",
                  "Planarization: Cell volume selected.", "Planarization: Operation canceled!",
                  "Spin Coating: Cell volume selected.", "Spin Coating: Operation canceled.",
                  "Simple RIE: Cell volume selected.", "Simple RIE: Operation canceled.",
                  "Masked Cut: Cell volume selected.", "Masked Cut: Operation Canceled!"}));
    EXPECT_EQ(cutCounts(), std::vector<int>(volume->getCellCount(), 0));
    EXPECT_TRUE(workspace().getUndoRedoStacks().undoName().empty());
    EXPECT_EQ(workspace().currentOperation(), nullptr);
}

TEST_F(MaskAndLayerOperations, LayerProcessesRunTheirEnginesAndRecordThemselves)
{
    add<SpinCoatingOperation>(23, [](SpinCoatingOperation &op) {
        op.setMaterial(kSi);
        op.setHeight(6);
    });
    add<SimpleReactiveIonEtchingOperation>(30, [](SimpleReactiveIonEtchingOperation &op) {
        op.setMaterial(kSi);
        op.setDepth(2);
        op.setDirections(1);
    });
    add<PlanarizationOperation>(22, [](PlanarizationOperation &op) {
        op.setMaximumHeight(3);
        op.setMinimumHeight(1);
    });
    workspace().activate(23); // silicon poured up to z = 6 over the resist, ...
    workspace().activate(30); // ... one layer of it left by the etch, ...
    EXPECT_EQ(TestSupport::materialAt(*volume, 2, 1, 4), kResist);
    EXPECT_EQ(TestSupport::materialAt(*volume, 2, 1, 5), 0u);
    workspace().activate(22); // ... all cut to the slab 1 <= z < 3
    for (uint32_t z = 0; z < 8; ++z)
        EXPECT_EQ(TestSupport::materialAt(*volume, 3, 2, z), z >= 1 && z < 3 ? kSi : 0u) << z;
    EXPECT_EQ(workspace().getVolumeRecords().getLastProcess(volume->getObjectId()), 22u);
    EXPECT_EQ(harness.log->lines.back(), "Planarization: Operation finished.");
}

TEST_F(MaskAndLayerOperations, MaskedCutsCountUpToTheLimitAndUndoTakesOneOff)
{
    add<MaskedCutCellVolumeOperation>(34, [](MaskedCutCellVolumeOperation &op) { op.setMask(cornerMask()); });
    add<RemoveCutsFromVolumeOperation>(35, nullptr);
    const auto materials = volume->materialIds();
    auto countAt = [&](uint32_t x, uint32_t y) { return cutCounts()[volume->cellIndex(x, y, 2)]; };
    for (int i = 0; i < 256; ++i)
        workspace().activate(34);
    EXPECT_EQ(countAt(1, 0), 255);
    EXPECT_EQ(countAt(0, 0), 0) << "kept by the opaque pixel";
    EXPECT_EQ(harness.log->lines.back(), "Masked Cut: Cut planes changed.");
    EXPECT_EQ(workspace().getUndoRedoStacks().undoName(), "Masked Cut");
    workspace().undo();
    EXPECT_EQ(countAt(3, 2), 254);
    workspace().redo();
    EXPECT_EQ(countAt(3, 2), 255);
    workspace().activate(35);
    EXPECT_EQ(cutCounts(), std::vector<int>(materials.size(), 0));
    EXPECT_EQ(harness.log->lines.back(), "Remove Cuts: Cut planes changed.");
    EXPECT_EQ(volume->materialIds(), materials);
    EXPECT_EQ(workspace().getUndoRedoStacks().undoName(), "Masked Cut") << "Remove Cuts leaves no undo entry";
}

TEST_F(MaskAndLayerOperations, CutPlanesPreviewAtOnceAndCancellingPutsTheBoxBack)
{
    const CutBox whole = volume->getPainter().getCutBox();
    const CutBox box{{1, 0, 2}, {3, 3, 6}};
    CutBox previewed;
    add<CutCellVolumeOperation>(16, [&](CutCellVolumeOperation &op) {
        op.setCutLimits(box, true);
        previewed = volume->getPainter().getCutBox();
    });
    workspace().activate(16);
    EXPECT_EQ(previewed, box);
    EXPECT_EQ(volume->getPainter().getCutBox(), box);
    EXPECT_EQ(harness.log->lines.back(), "Change Cut Planes: Cut planes changed.");

    // A dialog that previews and is then rejected: the box found at the start comes back.
    add<CutCellVolumeOperation>(17, [](CutCellVolumeOperation &op) {
        op.setCutLimits({{0, 0, 0}, {1, 1, 1}}, true);
        op.cancel();
    });
    workspace().activate(17);
    EXPECT_EQ(volume->getPainter().getCutBox(), box);
    EXPECT_EQ(harness.log->lines.back(), "Change Cut Planes: Operation Canceled!");
    EXPECT_FALSE(box == whole);
}
