#include "Support/Cantilevers.h"
#include "Support/WorkspaceHarness.h"

#include "Core/Operations/ModelExtraction/RunModelExtraction.h"
#include "Model/Automaton/TotalVolumePainter.h"
#include "Model/ModelExtraction/ExtractedModel.h"

#include <gtest/gtest.h>

using Core::Operations::RunModelExtraction;
using namespace TestSupport;

namespace {

class RunModelExtractionTest : public ::testing::Test {
protected:
    RunModelExtractionTest()
    {
        harness.factory->makers[1000] = [this] {
            auto operation = std::make_shared<RunModelExtraction>(harness.workspace);
            operation->addObserver(std::make_shared<CallbackObserver>([this] { ++dialogsOpened; }));
            operation->setDialogCloser(std::make_shared<CallbackObserver>([this] { ++dialogsClosed; }));
            return operation;
        };
        harness.workspace.getScene().addObject(beam);
    }

    std::shared_ptr<RunModelExtraction> start()
    {
        harness.workspace.activate(1000);
        harness.workspace.getSelection().toggle(beam);
        harness.workspace.getCommandInterpreter().interpret("");
        return std::dynamic_pointer_cast<RunModelExtraction>(harness.workspace.currentOperation());
    }

    size_t sceneSize() { return harness.workspace.getScene().getObjects().size(); }

    WorkspaceHarness harness;
    std::shared_ptr<TotalVolume> beam = makeSingleCantilever(12, 2, 2);
    int dialogsOpened = 0;
    int dialogsClosed = 0;
};

} // namespace

TEST_F(RunModelExtractionTest, StepsShowBlocksThenSegmentsAndFinishingRemovesThem)
{
    const auto extraction = start();
    ASSERT_TRUE(extraction);
    EXPECT_EQ(harness.lastMessage(), "Model Extraction: Cell volume selected.");
    EXPECT_EQ(dialogsOpened, 1);
    EXPECT_TRUE(extraction->modelNetlist().isEmpty());

    extraction->runPreprocessing();
    EXPECT_TRUE(beam->getPainter().isHidden());
    ASSERT_TRUE(extraction->getBlockModel());
    EXPECT_EQ(extraction->getBlockModel()->getBlocks().size(), 3u);
    extraction->runFeatureDetection();
    ASSERT_TRUE(extraction->getSegmentModel());
    EXPECT_EQ(extraction->getSegmentModel()->getPosition(), Util::Vector3D(22, 0, 0));
    EXPECT_EQ(sceneSize(), 3u);
    EXPECT_FALSE(extraction->modelNetlist().isEmpty()); // its text: CantileverStructure

    extraction->finish();
    EXPECT_EQ(harness.lastMessage(), "Model Extraction: Model extracted.");
    EXPECT_EQ(sceneSize(), 1u);
    EXPECT_FALSE(beam->getPainter().isHidden());
    EXPECT_FALSE(harness.workspace.currentOperation());
    EXPECT_EQ(dialogsClosed, 0);
}

TEST_F(RunModelExtractionTest, CancellingClosesTheDialogAndRemovesTheDisplays)
{
    const auto extraction = start();
    ASSERT_TRUE(extraction);
    extraction->runPreprocessing();
    harness.workspace.cancelCurrent();
    EXPECT_EQ(dialogsClosed, 1);
    EXPECT_EQ(sceneSize(), 1u);
    EXPECT_FALSE(beam->getPainter().isHidden());
    EXPECT_EQ(extraction->getState(), RunModelExtraction::Done);
    extraction->finish(); // the closing dialog finishes too: nothing more happens
    EXPECT_EQ(harness.lastMessage(), "Model Extraction: Cell volume selected.");
}
