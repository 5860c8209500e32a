#include "Support/PersistenceTestSupport.h"
#include "Support/Volumes.h"
#include "Support/WorkspaceHarness.h"

#include "Core/Operations/Visualization/ChangeTotalVolumeVisualizationOptions.h"
#include "Model/Automaton/TotalVolumePainter.h"
#include "Model/Materials/MaterialFactory.h"

#include <gtest/gtest.h>

using Core::Operations::ChangeTotalVolumeVisualizationOptions;
using Model::Automaton::TotalVolumePainter;
using Model::Automaton::VisualizationOptions;

namespace {

constexpr uint32_t kChangeVisualization = 6;

class ChangeVisualization : public PersistenceTest::CatalogueTest {
protected:
    // `answer` plays the dialog: it sees the volume's options and returns the accepted ones,
    // or nothing (cancelled).
    void start(std::function<std::optional<VisualizationOptions>(const VisualizationOptions &)> answer,
               ChangeTotalVolumeVisualizationOptions::FilmColors colors = {})
    {
        harness.addOperation<ChangeTotalVolumeVisualizationOptions>(
            kChangeVisualization,
            [](Core::Workspace &w) { return std::make_shared<ChangeTotalVolumeVisualizationOptions>(w); },
            [answer, colors](ChangeTotalVolumeVisualizationOptions &operation) {
                if (const auto chosen = answer(operation.currentOptions()))
                    operation.setOptions(*chosen, colors);
            });
        harness.workspace.activate(kChangeVisualization);
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
    harness.workspace.getScene().addObject(slab);
    slab->refreshDrawingData();
    VisualizationOptions chosen;
    chosen.surfaceAlgorithm = TotalVolumePainter::Octree;
    chosen.emptyVoxelOutlines = true;
    chosen.colorScale = 2;
    chosen.particleDistribution = 1;
    chosen.atoms.siAtoms = true;
    VisualizationOptions seen;
    seen.surfaceAlgorithm = 99;
    start([&](const VisualizationOptions &current) {
        seen = current;
        return chosen;
    });
    EXPECT_EQ(seen, VisualizationOptions()) << "the dialog starts from the volume's options";
    const TotalVolumePainter &painter = slab->getPainter();
    EXPECT_EQ(painter.getVisualizationOptions(), chosen);
    // Regenerated: the octree of a 4 × 4 × 2 slab, and the outlines of its 32 empty cells.
    EXPECT_FALSE(painter.getOctreeSurface().opaqueFaces().empty());
    EXPECT_EQ(painter.getOutlineFaces().size(), 32u * 6u);
    EXPECT_EQ(harness.log->lines, (std::vector<std::string>{"Change Visualization: Cell volume selected.",
                                                            "Change Visualization: Options changed."}));
    EXPECT_EQ(harness.workspace.currentOperation(), nullptr);
    EXPECT_EQ(harness.workspace.getUndoRedoStacks().undoName(), "") << "nothing to undo";
}

TEST_F(ChangeVisualization, ACancelledDialogWaitsSilentlyUntilEscape)
{
    harness.workspace.getScene().addObject(slab);
    start([](const VisualizationOptions &) { return std::nullopt; });
    EXPECT_NE(harness.workspace.currentOperation(), nullptr);
    EXPECT_EQ(harness.log->lines.size(), 1u);
    harness.workspace.cancelCurrent();
    EXPECT_EQ(harness.lastMessage(), "Change Visualization: Operation Canceled!");
    EXPECT_EQ(slab->getPainter().getVisualizationOptions(), VisualizationOptions());
}

TEST_F(ChangeVisualization, WithoutAVolumeItAsksForOneAndTakesThePickedOne)
{
    auto other = TestSupport::makeSlab(2, 2, 2, 1);
    harness.workspace.getScene().addObject(slab);
    harness.workspace.getScene().addObject(other);
    int dialogs = 0;
    start([&](const VisualizationOptions &current) {
        ++dialogs;
        return current;
    });
    EXPECT_EQ(harness.lastMessage(), "Change Visualization: Select a cell volume and press Enter/Return.");
    EXPECT_TRUE(harness.workspace.getSelection().getMode());
    harness.workspace.getSelection().toggle(other);
    harness.workspace.getCommandInterpreter().interpret("");
    EXPECT_EQ(dialogs, 1);
    EXPECT_EQ(harness.lastMessage(), "Change Visualization: Options changed.");
}

// Film colours become the catalogue's and show in every volume of the scene.
TEST_F(ChangeVisualization, FilmColoursRecolourEveryVolume)
{
    auto other = TestSupport::makeSlab(2, 2, 2, 1);
    harness.workspace.getScene().addObject(slab);
    harness.workspace.getScene().addObject(other);
    other->refreshDrawingData();
    harness.workspace.getSelection().toggle(slab);
    const Model::Materials::RgbaColor red{1.0f, 0.0f, 0.0f, 1.0f};
    start([](const VisualizationOptions &current) { return current; }, {{1, red}});
    EXPECT_EQ(Model::Materials::MaterialFactory::instance()->getMaterialById(1).getColor(), red);
    ASSERT_FALSE(other->getPainter().getOpaqueFaces().empty());
    EXPECT_EQ(other->getPainter().getOpaqueFaces().front().faceColor, red);
}
