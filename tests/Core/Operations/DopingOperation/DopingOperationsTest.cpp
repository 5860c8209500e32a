#include "Support/PersistenceTestSupport.h"
#include "Support/ProcessCases.h"
#include "Support/WorkspaceHarness.h"

#include <gtest/gtest.h>

using namespace Core::Operations;
using Model::Automaton::TotalVolume;

namespace {

const QString kNField = QStringLiteral("Random Walk Particle Count Type N");

class DopingOperationsTest : public PersistenceTest::CatalogueTest {
protected:
    DopingOperationsTest()
    {
        harness.add<SimpleSiOxidationOperation>(26, [this](auto &op) { op.setTime(0.0, kelvin, 1.0); });
        harness.add<RandomWalkDopingOperation>(36, [this](auto &op) {
            op.setParameters(walkParameters);
            op.setSeed(77);
        });
        harness.workspace.getScene().addObject(volume);
    }

    std::vector<std::string> runAndLog(uint32_t id)
    {
        harness.log->lines.clear();
        harness.workspace.activate(id);
        return harness.log->lines;
    }

    TestSupport::WorkspaceHarness harness;
    Core::Workspace &workspace = harness.workspace;
    std::shared_ptr<TotalVolume> volume = TestSupport::pittedWafer();
    double kelvin = 1273.0;
    RandomWalkParameters walkParameters = RandomWalkParameters::fromSettings(TestSupport::walkSettings());
};

} // namespace

TEST_F(DopingOperationsTest, UnusableOptionsAreRefusedWithTheReason)
{
    const auto original = volume->materialIds();
    kelvin = 0.0; // no growth law at 0 K
    const auto oxidation = runAndLog(26);
    ASSERT_EQ(oxidation.size(), 3u);
    EXPECT_EQ(oxidation[1], "Simple Si Oxidation: The oxidation time must be 0 or more, the temperature and "
                            "the pressure above 0.");
    walkParameters.timeStep = 100.0f; // 6p = 300
    const auto tooLong = runAndLog(36);
    ASSERT_EQ(tooLong.size(), 3u);
    EXPECT_EQ(tooLong[1].rfind("Random Walk Doping: The time step 100 s is too long", 0), 0u) << tooLong[1];
    EXPECT_EQ(tooLong[2], "Random Walk Doping: Operation canceled.");
    EXPECT_EQ(volume->materialIds(), original);
    EXPECT_EQ(volume->getParticleCounts(kNField), nullptr);
    EXPECT_EQ(workspace.getUndoRedoStacks().undoCount(), 0u);
}

TEST_F(DopingOperationsTest, RandomWalkUndoAndRedoCarryTheParticleCounts)
{
    const auto original = volume->materialIds();
    workspace.activate(36); // the same walk as the engine's: ProcessFamilies
    const auto first = volume->getParticleCounts(kNField);
    ASSERT_NE(first, nullptr);
    EXPECT_NE(volume->materialIds(), original);

    workspace.activate(36); // continues from the first run's counts
    const auto second = volume->getParticleCounts(kNField);
    const auto afterSecond = volume->materialIds();
    ASSERT_NE(second, first);

    workspace.undo();
    EXPECT_EQ(volume->getParticleCounts(kNField), first);
    workspace.undo();
    EXPECT_EQ(volume->materialIds(), original);
    EXPECT_EQ(volume->getParticleCounts(kNField), nullptr);
    EXPECT_FALSE(volume->propertyNames().contains(kNField)) << "the field the run created is gone";
    workspace.redo();
    EXPECT_EQ(volume->getParticleCounts(kNField), first);
    workspace.redo();
    EXPECT_EQ(volume->getParticleCounts(kNField), second);
    EXPECT_EQ(volume->materialIds(), afterSecond);
}
