#include "Support/PersistenceTestSupport.h"
#include "Support/Volumes.h"
#include "Support/WorkspaceHarness.h"

#include "Core/Operations/Visualization/ChangeTotalVolumeVisualizationOptions.h"
#include "Model/Automaton/TotalVolumePainter.h"
#include "Model/Materials/MaterialFactory.h"

#include <gtest/gtest.h>

using Core::Operations::ChangeTotalVolumeVisualizationOptions;
using Model::Automaton::VisualizationOptions;

namespace {

class ChangeVisualization : public PersistenceTest::CatalogueTest {
protected:
    // `answer` plays the dialog: it sees the volume's options and returns the accepted ones, or
    // nothing (cancelled).
    void start(std::function<std::optional<VisualizationOptions>(const VisualizationOptions &)> answer,
               ChangeTotalVolumeVisualizationOptions::FilmColors colors = {})
    {
        harness.workspace.getScene().addObject(slab);
        harness.add<ChangeTotalVolumeVisualizationOptions>(
            6, [answer, colors](ChangeTotalVolumeVisualizationOptions &operation) {
                if (const auto chosen = answer(operation.currentOptions()))
                    operation.setOptions(*chosen, colors);
            });
        harness.workspace.activate(6);
    }
    // Film colours are saved with the catalogue: put the built-in one back.
    void TearDown() override
    {
        PersistenceTest::resetCatalogue();
        Model::Materials::MaterialFactory::instance()->saveMaterials();
    }

    TestSupport::WorkspaceHarness harness;
    std::shared_ptr<Model::Automaton::TotalVolume> slab = TestSupport::makeSlab(4, 4, 4, 2);
};

} // namespace

TEST_F(ChangeVisualization, AcceptedOptionsAreAppliedAndRegenerated)
{
    VisualizationOptions chosen;
    chosen.surfaceAlgorithm = Model::Automaton::TotalVolumePainter::Octree;
    chosen.emptyVoxelOutlines = true;
    chosen.colorScale = 2;
    chosen.atoms.siAtoms = true;
    std::optional<VisualizationOptions> seen;
    start([&](const VisualizationOptions &current) {
        seen = current;
        return chosen;
    });
    EXPECT_EQ(seen, VisualizationOptions()) << "the dialog starts from the volume's options";
    EXPECT_EQ(slab->getPainter().getVisualizationOptions(), chosen);
    EXPECT_FALSE(slab->getPainter().getOctreeSurface().opaqueFaces().empty());
    EXPECT_EQ(slab->getPainter().getOutlineFaces().size(), 32u * 6u) << "the 32 empty cells";
    EXPECT_EQ(harness.lastMessage(), "Change Visualization: Options changed.");
    EXPECT_EQ(harness.workspace.currentOperation(), nullptr);
    EXPECT_EQ(harness.workspace.getUndoRedoStacks().undoName(), "") << "nothing to undo";
}

TEST_F(ChangeVisualization, ACancelledDialogWaitsSilentlyUntilEscape)
{
    start([](const VisualizationOptions &) { return std::nullopt; });
    EXPECT_EQ(harness.log->lines.size(), 1u);
    harness.workspace.cancelCurrent();
    EXPECT_EQ(harness.lastMessage(), "Change Visualization: Operation Canceled!");
    EXPECT_EQ(slab->getPainter().getVisualizationOptions(), VisualizationOptions());
}

// Film colours become the catalogue's and show in every volume of the scene.
TEST_F(ChangeVisualization, FilmColoursRecolourEveryVolume)
{
    auto other = TestSupport::makeSlab(2, 2, 2, 1);
    harness.workspace.getScene().addObject(other);
    harness.workspace.getSelection().toggle(slab);
    const Model::Materials::RgbaColor red{1.0f, 0.0f, 0.0f, 1.0f};
    start([](const VisualizationOptions &current) { return current; }, {{1, red}});
    EXPECT_EQ(Model::Materials::MaterialFactory::instance()->getMaterialById(1).getColor(), red);
    ASSERT_FALSE(other->getPainter().getOpaqueFaces().empty());
    EXPECT_EQ(other->getPainter().getOpaqueFaces().front().faceColor, red);
}
