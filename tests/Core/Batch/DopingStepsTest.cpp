#include "Support/BatchTestSupport.h"
#include "Support/PersistenceTestSupport.h"
#include "Support/Volumes.h"

#include "Core/Batch/BatchResult.h"
#include "Core/Batch/ProcessEntries.h"
#include "Core/Batch/ProcessRunner.h"
#include "Core/Operations/DopingOperation/IonImplantation.h"
#include "Core/Operations/DopingOperation/SimpleDoping.h"
#include "Core/Operations/RandomWalkDoping/RandomWalkDoping.h"
#include "Core/Operations/SiOxidation/OxidationSettings.h"
#include "Core/Operations/SiOxidation/SimpleSiOxidation.h"
#include "Model/Persistence/ProcessListReader.h"
#include "Model/Persistence/ProcessListWriter.h"
#include "Model/Process/ProcessFactory.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Core::Operations;
using Core::Batch::ProcessEntries;
using Model::Automaton::TotalVolume;
using Ui::ProcessData;

namespace {

// A random walk that dopes a few layers within 40 steps: 10 nm cells, 1e20 cm⁻³ at the surface
// (100 particles a cell), 6p = 0.5.
RandomWalkSettings walkSettings()
{
    RandomWalkSettings s;
    s.materialId = 14;
    s.cellSize = 0.01;
    s.diffusionCoefficient = 1e-13;
    s.timeStep = 0.5 * 1e-16 / (1e-13 * 1e-4 * 6.0);
    s.dopingTime = 40 * s.timeStep / 60.0;
    s.concentration = 1e20;
    s.threshold = 10;
    return s;
}

OxidationSettings byTime()
{
    OxidationSettings s;
    s.byTime = true;
    s.hours = 0.5;
    return s;
}

class DopingSteps : public PersistenceTest::CatalogueTest, protected BatchTest::BatchWorld {
protected:
    void SetUp() override
    {
        CatalogueTest::SetUp();
        Model::Process::ProcessFactory::instance()->createDefaultProcesses();
    }
    int run(const ProcessData &entry) { return Core::Batch::ProcessRunner(entry, context).run(); }
    std::shared_ptr<TotalVolume> wafer() { return TestSupport::makeSlab(8, 6, 14, 8); }

    struct Case {
        ProcessData entry;
        std::function<void(TotalVolume &)> engine;
        uint32_t recorded;
        bool outdatesLattice;
    };
    std::vector<Case> cases()
    {
        const RandomWalkParameters walk = RandomWalkParameters::fromSettings(walkSettings());
        OxidationSettings thickness;
        thickness.microns = 0.04;
        return {
            {ProcessEntries::doping(14, 2.5f), [](TotalVolume &v) { SimpleDoping(v, 14, 2.5f).execute(); },
             17, true},
            {ProcessEntries::ionImplantation(15, {3.0f, 1.0f, 1.5f}),
             [](TotalVolume &v) {
                 IonImplantation(v, 15, {3.0f, 1.0f, 1.5f}).execute();
             },
             3, false},
            {ProcessEntries::siOxidation(thickness),
             [](TotalVolume &v) { SimpleSiOxidation(v, 100.0).execute(0.04); }, 26, false},
            {ProcessEntries::siOxidation(byTime()),
             [](TotalVolume &v) {
                 SimpleSiOxidation(v, 100.0).execute(SimpleSiOxidation::dealGroveThickness(0.5, 1273.0, 1.0));
             },
             26, false},
            {ProcessEntries::randomWalkDoping(walkSettings()),
             [walk](TotalVolume &v) { RandomWalkDoping(v, walk, 5).dope(walk.duration); }, 36, true},
        };
    }
};

} // namespace

TEST_F(DopingSteps, StepsRunTheSameEnginesAsTheOperationsAlsoAfterSavingTheList)
{
    QTemporaryDir directory;
    const QString file = directory.filePath(QStringLiteral("steps.plst"));
    std::vector<ProcessData> entries;
    for (const Case &c : cases())
        entries.push_back(c.entry);
    ASSERT_TRUE(Model::Persistence::ProcessListWriter::save(file, entries));
    const auto loaded = Model::Persistence::ProcessListReader().load(file);
    ASSERT_EQ(loaded.entries.size(), entries.size());
    size_t i = 0;
    for (const Case &c : cases()) {
        for (const ProcessData &entry : {c.entry, loaded.entries[i++]}) {
            const auto batchVolume = wafer();
            const auto direct = wafer();
            context.setCurrentVolume(batchVolume);
            context.setSeed(5); // the first stochastic step of a run gets the seed itself
            records.setLatticeOutdated(batchVolume->getObjectId(), false);
            ASSERT_EQ(run(entry), Core::Batch::Success) << entry.getProcessType();
            c.engine(*direct);
            EXPECT_EQ(batchVolume->materialIds(), direct->materialIds()) << entry.getProcessType();
            EXPECT_NE(batchVolume->materialIds(), wafer()->materialIds()) << entry.getProcessType();
            EXPECT_EQ(records.getLastProcess(batchVolume->getObjectId()), c.recorded);
            EXPECT_EQ(records.isLatticeOutdated(batchVolume->getObjectId()), c.outdatesLattice);
        }
    }
}

TEST_F(DopingSteps, UnusableValuesGiveCodeTwoWithTheReasonAndChangeNothing)
{
    const auto volume = wafer();
    context.setCurrentVolume(volume);
    const auto before = volume->materialIds();
    const auto withValue = [](ProcessData entry, const char *name, const QVariant &value) {
        entry.setProcessParameter(QLatin1String(name), value, true);
        return entry;
    };
    const ProcessData walk = ProcessEntries::randomWalkDoping(walkSettings());
    EXPECT_EQ(run(withValue(walk, "Time Step Duration", 10.0)), Core::Batch::InvalidParameter);
    const QString problem = context.takeProblem();
    EXPECT_TRUE(
        problem.contains(QStringLiteral("The time step 10 s is too long for the diffusion coefficient 1e-13 "
                                        "cm²/s and the cell size 0.01 µm")))
        << problem.toStdString();
    for (const auto &bad : std::vector<ProcessData>{
             withValue(walk, "Cell Size", 0.0), withValue(walk, "Surface Concentration", -1.0),
             withValue(walk, "Doping Time", QStringLiteral("soon")),
             withValue(ProcessEntries::doping(14, 1), "Doping Depth", -2.0f),
             withValue(ProcessEntries::ionImplantation(15, {}), "Vertical Spread", QStringLiteral("nan")),
             withValue(ProcessEntries::ionImplantation(15, {}), "Annealing Distance", -1.0f),
             withValue(ProcessEntries::siOxidation(byTime()), "Oxidation Temperature", 0.0),
             withValue(ProcessEntries::siOxidation(OxidationSettings()), "Oxidation Thickness", -3.0),
             withValue(ProcessEntries::siOxidation(OxidationSettings()), "Micron Conversion", 0.0)})
        EXPECT_EQ(run(bad), Core::Batch::InvalidParameter) << bad.getProcessType();
    const ProcessData timed = ProcessEntries::siOxidation(byTime());
    ProcessData lacking(15);
    for (const QString &name : timed.getParameterNames())
        if (name != QLatin1String("Oxidation Time"))
            lacking.setProcessParameter(name, timed.getProcessParameter(name), true);
    EXPECT_EQ(run(lacking), Core::Batch::MissingParameter);
    EXPECT_EQ(run(ProcessData(19)), Core::Batch::MissingParameter);
    EXPECT_EQ(volume->materialIds(), before);
    EXPECT_EQ(volume->propertyNames(), QStringList());
}

TEST(BatchContextSeeds, AGivenSeedStartsTheStochasticStepsOneAfterAnother)
{
    BatchTest::BatchWorld world;
    EXPECT_EQ(world.context.nextSeed(), std::nullopt);
    world.context.setSeed(41);
    EXPECT_EQ(world.context.nextSeed(), 41u);
    EXPECT_EQ(world.context.nextSeed(), 42u);
}
