#include "Core/Operations/DopingOperation/DopingOperation.h"
#include "Core/Operations/DopingOperation/IonImplantation.h"
#include "Core/Operations/DopingOperation/IonImplantationOperation.h"
#include "Core/Operations/DopingOperation/SimpleDoping.h"
#include "Core/Operations/RandomWalkDoping/RandomWalkDoping.h"
#include "Core/Operations/RandomWalkDoping/RandomWalkDopingOperation.h"
#include "Core/Operations/SiOxidation/SimpleSiOxidation.h"
#include "Core/Operations/SiOxidation/SimpleSiOxidationOperation.h"
#include "Model/Automaton/TotalVolume.h"
#include "Model/Process/ProcessFactory.h"
#include "Support/Volumes.h"
#include "Support/WorkspaceHarness.h"

#include <gtest/gtest.h>

using namespace Core::Operations;
using Model::Automaton::TotalVolume;

namespace {

constexpr uint32_t kNDoped = 14;
const QString kNField = QStringLiteral("Random Walk Particle Count Type N");

// Surface particle counts of 200 and a threshold of 20 in cells of 2⁻²⁰ m, 6p = 0.5, 5 steps.
RandomWalkParameters walk()
{
    RandomWalkParameters p;
    p.dopantMaterial = kNDoped;
    p.cellSize = 0x1p-20f;
    p.timeStep = 1.0f;
    p.diffusionCoefficient = 0.5f * p.cellSize * p.cellSize / 6.0f;
    p.surfaceConcentration = 200.0f * 0x1p60f;
    p.thresholdConcentration = 20.0f * 0x1p60f;
    p.duration = 5.0f;
    return p;
}

class DopingOperationsTest : public ::testing::Test {
protected:
    DopingOperationsTest()
    {
        Model::Process::ProcessFactory::instance()->createDefaultProcesses();
        add<DopingOperation>(17, [](DopingOperation &op) {
            op.setMaterial(kNDoped);
            op.setDepth(2.0f);
        });
        add<IonImplantationOperation>(3, [](IonImplantationOperation &op) {
            op.setMaterial(15);
            op.setImplantationDepth(3.0f);
            op.setVerticalSpread(0.5f);
            op.setAnnealingDistance(1.0f);
        });
        add<SimpleSiOxidationOperation>(26, [this](SimpleSiOxidationOperation &op) {
            op.setUnitsPerMicron(100.0);
            op.setTime(hours, kelvin, 1.0);
        });
        add<RandomWalkDopingOperation>(36, [this](RandomWalkDopingOperation &op) {
            op.setParameters(walkParameters);
            op.setSeed(77);
        });
        // Dialogs the user rejects.
        add<DopingOperation>(117, nullptr);
        add<IonImplantationOperation>(103, nullptr);
        add<SimpleSiOxidationOperation>(126, nullptr);
        add<RandomWalkDopingOperation>(136, nullptr);
        volume = TestSupport::makeVolume(10, 8, 12, [](uint32_t x, uint32_t y, uint32_t z) {
            return (z < 6 && !(x > 3 && x < 7 && y > 2 && y < 6 && z > 3)) ? 1u : 0u;
        });
        workspace().getScene().addObject(volume);
    }

    template <class OperationClass> void add(uint32_t id, std::function<void(OperationClass &)> accept)
    {
        harness.addOperation<OperationClass>(
            id, [](Core::Workspace &w) { return std::make_shared<OperationClass>(w); }, accept);
    }

    Core::Workspace &workspace() { return harness.workspace; }
    std::vector<std::string> runAndLog(uint32_t id)
    {
        harness.log->lines.clear();
        workspace().activate(id);
        return harness.log->lines;
    }

    TestSupport::WorkspaceHarness harness;
    std::shared_ptr<TotalVolume> volume;
    double hours = 0.0, kelvin = 1273.0;
    RandomWalkParameters walkParameters = walk();
};

} // namespace

TEST_F(DopingOperationsTest, DopingRunsItsEngineAndIsUndoable)
{
    const auto original = volume->materialIds();
    const auto expected =
        TestSupport::cellsAfter(*volume, [](TotalVolume &v) { SimpleDoping(v, kNDoped, 2.0f).execute(); });
    EXPECT_EQ(runAndLog(17),
              (std::vector<std::string>{"Doping: Cell volume selected.", "Doping: Operation finished."}));
    EXPECT_EQ(volume->materialIds(), expected);
    EXPECT_NE(expected, original);
    auto &records = workspace().getVolumeRecords();
    EXPECT_EQ(records.getLastProcess(volume->getObjectId()), 17u);
    EXPECT_TRUE(records.isLatticeOutdated(volume->getObjectId()));
    workspace().undo();
    EXPECT_EQ(volume->materialIds(), original);
    workspace().redo();
    EXPECT_EQ(volume->materialIds(), expected);
}

TEST_F(DopingOperationsTest, ImplantationAndOxidationRunTheirEnginesWithoutUndo)
{
    const auto implanted = TestSupport::cellsAfter(*volume, [](TotalVolume &v) {
        IonImplantation(v, 15, {3.0f, 0.5f, 1.0f}).execute();
    });
    EXPECT_EQ(runAndLog(3).back(), "Ion Implantation: Operation finished.");
    EXPECT_EQ(volume->materialIds(), implanted);
    // Oxidation for no time grows the native 0.025 µm: 2.5 units at 100 units per micron.
    const auto oxidised =
        TestSupport::cellsAfter(*volume, [](TotalVolume &v) { SimpleSiOxidation(v, 100.0).execute(0.025); });
    EXPECT_EQ(runAndLog(26).back(), "Simple Si Oxidation: Operation finished.");
    EXPECT_EQ(volume->materialIds(), oxidised);
    EXPECT_NE(oxidised, implanted);
    EXPECT_EQ(workspace().getUndoRedoStacks().undoCount(), 0u);
    EXPECT_EQ(workspace().getVolumeRecords().getLastProcess(volume->getObjectId()), 26u);
    EXPECT_TRUE(workspace().getVolumeRecords().isLatticeOutdated(volume->getObjectId()));
}

TEST_F(DopingOperationsTest, WithoutOptionsOrWithUnusableOnesNothingRuns)
{
    const auto original = volume->materialIds();
    EXPECT_EQ(runAndLog(117).back(), "Doping: Operation canceled.");
    EXPECT_EQ(runAndLog(103).back(), "Ion Implantation: Operation canceled.");
    EXPECT_EQ(runAndLog(126).back(), "Simple Si Oxidation: Operation canceled.");
    EXPECT_EQ(runAndLog(136).back(), "Random Walk Doping: Operation canceled.");

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
    EXPECT_EQ(workspace().getUndoRedoStacks().undoCount(), 0u);
}

TEST_F(DopingOperationsTest, RandomWalkUndoAndRedoCarryTheParticleCounts)
{
    const auto original = volume->materialIds();
    auto copy = std::static_pointer_cast<TotalVolume>(volume->clone());
    RandomWalkDoping(*copy, walkParameters, 77).dope(walkParameters.duration);
    EXPECT_EQ(runAndLog(36).back(), "Random Walk Doping: Operation finished.");
    EXPECT_EQ(volume->materialIds(), copy->materialIds());
    const auto first = volume->getParticleCounts(kNField);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(*first, *copy->getParticleCounts(kNField)) << "the menu runs the same walk as the engine";
    EXPECT_NE(volume->materialIds(), original);

    workspace().activate(36); // continues from the first run's counts
    const auto second = volume->getParticleCounts(kNField);
    const auto afterSecond = volume->materialIds();
    ASSERT_NE(second, first);

    workspace().undo();
    EXPECT_EQ(volume->getParticleCounts(kNField), first);
    workspace().undo();
    EXPECT_EQ(volume->materialIds(), original);
    EXPECT_EQ(volume->getParticleCounts(kNField), nullptr);
    EXPECT_FALSE(volume->propertyNames().contains(kNField)) << "the field the run created is gone";
    workspace().redo();
    EXPECT_EQ(volume->getParticleCounts(kNField), first);
    workspace().redo();
    EXPECT_EQ(volume->getParticleCounts(kNField), second);
    EXPECT_EQ(volume->materialIds(), afterSecond);
}
