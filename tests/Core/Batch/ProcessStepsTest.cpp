// The batch steps: each cell process from the families' table (ProcessCases.h) runs the same
// engine as its operation, values no dialog can give are refused, and the steps without an
// operation of their own do what the list asks.
#include "Support/BatchTestSupport.h"
#include "Support/PersistenceTestSupport.h"
#include "Support/ProcessCases.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace Core::Operations;
using Core::Batch::ProcessEntries;
using Model::Automaton::TotalVolume;
using Ui::ProcessData;

namespace {

class ProcessSteps : public PersistenceTest::CatalogueTest, protected BatchTest::BatchWorld {
protected:
    // `entry` without the parameter `name`.
    static ProcessData without(const ProcessData &entry, const QString &name)
    {
        ProcessData lacking(entry.getProcessType());
        for (const QString &other : entry.getParameterNames())
            if (other != name)
                lacking.setProcessParameter(other, entry.getProcessParameter(other), true);
        return lacking;
    }
};

} // namespace

TEST_F(ProcessSteps, UnknownProcessesAreRefused)
{
    context.setCurrentVolume(TestSupport::makeSlab(6, 5, 8, 3));
    const auto before = context.getCurrentVolume()->materialIds();
    EXPECT_EQ(run(ProcessData(25)), Core::Batch::UnknownProcess);
    EXPECT_EQ(run(ProcessData(21)), Core::Batch::UnknownProcess);
    EXPECT_EQ(run(ProcessData(ProcessData::kNotAProcess)), Core::Batch::UnknownProcess);
    EXPECT_EQ(context.getCurrentVolume()->materialIds(), before);
}

// Oxide over x 1..3, y 2..8 (clipped by the volume) and z 1..2, the corner and a size given as
// text: the step builds what the substrate builder (tested on its own) builds, adds it and makes
// it current. Bad values are refused in the table below.
TEST_F(ProcessSteps, CreateSubstrateBuildsTheBlockAddsItAndMakesItCurrent)
{
    SubstrateDescription d = BatchTest::slabSubstrate(6, 5, 4, 2, 3);
    d.blockX = d.blockZ = 1;
    d.blockY = 2;
    d.blockWidth = 3;
    d.blockLength = 9;
    ProcessData entry = ProcessEntries::createSubstrate(d);
    entry.setProcessParameter(QStringLiteral("Lower Left Front Corner"), QStringLiteral("1;2;3"), true);
    entry.setProcessParameter(QStringLiteral("Volume Size X"), QStringLiteral("7"), true);
    ASSERT_EQ(run(entry), Core::Batch::Success);
    const auto volume = context.getCurrentVolume();
    ASSERT_NE(volume, nullptr);
    EXPECT_EQ(scene.getCellVolumes(), std::vector<std::shared_ptr<TotalVolume>>{volume});
    EXPECT_EQ(volume->getPosition(), Util::Vector3D(1, 2, 3));
    d.totalWidth = 7;
    EXPECT_EQ(volume->materialIds(), buildSubstrate(d)->materialIds());
}

TEST_F(ProcessSteps, SaveImageHandsTheFileNameToTheSaver)
{
    QStringList saved;
    context.setImageSaver([&saved](const QString &file) { saved << file; });
    EXPECT_EQ(run(ProcessEntries::saveImage(QStringLiteral("a.png"))), Core::Batch::Success);
    EXPECT_EQ(run(ProcessEntries::saveImage(QString())), Core::Batch::Success);
    EXPECT_EQ(run(ProcessData(10)), Core::Batch::MissingParameter);
    EXPECT_EQ(saved, (QStringList{QStringLiteral("a.png"), QString()}));
}

TEST_F(ProcessSteps, EachStepRunsTheEngineOfItsOperation)
{
    for (const auto &family : TestSupport::processFamilies()) {
        std::shared_ptr<TotalVolume> expected, volume;
        for (const auto &c : family.cases) {
            SCOPED_TRACE(family.name + ": " + std::to_string(c.operationId));
            if (!expected || !family.chained)
                expected = family.volume(), volume = family.volume();
            const auto before = expected->materialIds();
            c.engine(*expected);
            ASSERT_NE(expected->materialIds(), before);
            context.setCurrentVolume(volume);
            context.setSeed(5); // the first stochastic step of a run gets the seed itself
            records.setLatticeOutdated(volume->getObjectId(), false);
            ASSERT_EQ(run(c.entry()), Core::Batch::Success);
            EXPECT_EQ(volume->materialIds(), expected->materialIds());
            EXPECT_EQ(records.getLastProcess(volume->getObjectId()), c.operationId);
            EXPECT_EQ(records.isLatticeOutdated(volume->getObjectId()), c.stepOutdatesLattice);
        }
    }
}

// Each bad value gives code 2, and the entry without that parameter code 1; nothing changes.
TEST_F(ProcessSteps, ValuesNoDialogCanGiveAreRefusedAndChangeNothing)
{
    struct Case {
        ProcessData entry;
        QString name;
        std::vector<QVariant> bad;
    };
    const QVariant nan(std::nan("")), huge(1e300), text(QStringLiteral("abc"));
    const QString ratio = QStringLiteral("Horizontal to Vertical Ratio");
    const ProcessData walk = ProcessEntries::randomWalkDoping(TestSupport::walkSettings());
    const ProcessData mask =
        ProcessEntries::photolithography(11, TestSupport::sampleMask(), QString(), {}, QString());
    Core::Operations::SubstrateDescription block = BatchTest::slabSubstrate(6, 5, 4, 2), ball = block;
    ball.spherical = true;
    const ProcessData substrate = ProcessEntries::createSubstrate(block);
    const Case cases[] = {
        {substrate, "Volume Size X", {text, -4, 0u, 4294967295u}},
        {substrate, "Lower Left Front Corner", {"1;2"}},
        {substrate, "SphericalSubstrate", {"maybe"}},
        {substrate, "Material_Id", {}},
        {substrate, "Substrate Delta Z", {}},
        {ProcessEntries::createSubstrate(ball), "Substrate Radius", {QVariant()}},
        {ProcessEntries::isotropicDeposition(3, 1), "Film Thickness", {text, nan, huge, "inf"}},
        {ProcessEntries::isotropicDeposition(3, 1), "Material_Id", {2.5}},
        {ProcessEntries::anisotropicDeposition(1, 2, 0.5), "Film Thickness", {-1.0, nan, huge, 2e9}},
        {ProcessEntries::anisotropicDeposition(1, 2, 0.5), ratio, {-0.5, nan, huge, text}},
        {ProcessEntries::anisotropicEtching(1, 2, 0.5), "Etch Depth", {-0.01, nan, text}},
        {ProcessEntries::anisotropicEtching(1, 2, 0.5), ratio, {-1.0, 1e10}},
        {ProcessEntries::pvd(4, 2, 0.5, DepositSide::Top), "Thickness", {-3.0, nan}},
        {ProcessEntries::pvd(4, 2, 0.5, DepositSide::Top), ratio, {0.0, 0.005, nan}},
        {ProcessEntries::pvd(4, 2, 0.5, DepositSide::Top), "DepositOn", {0, 4, -1, 2.5}},
        {ProcessEntries::electroplating(2, 1, 9), "Film Thickness", {-2.0, nan, huge}},
        {ProcessEntries::electroplating(2, 1, 9), "Conducting Material_Id", {-1, text}},
        {ProcessEntries::mooreDeposition(1, 2), "Thickness", {0, -3, 0.5, 1e12, nan, text}},
        {ProcessEntries::mooreEtching(1, 2), "Depth", {-1, 1e9, huge}},
        {mask, "Top Mask Width", {4u}},
        {mask, "Top Mask", {"01x010"}},
        {mask, "Bottom Mask", {}},
        {ProcessEntries::planarization(2, 1), "Minimum Height", {3u}},
        {ProcessEntries::simpleRie(3, 2, 1), "EtchDirectionValue", {4}},
        {ProcessEntries::simpleRie(3, 2, 1), "Etch Depth", {nan}},
        {ProcessEntries::siWetEtching(1, 1), "Depth", {-0.5, nan, text, "nan", 1e9}},
        {ProcessEntries::doping(14, 1), "Doping Depth", {-2.0f}},
        {ProcessEntries::ionImplantation(15, {}), "Vertical Spread", {"nan"}},
        {ProcessEntries::ionImplantation(15, {}), "Annealing Distance", {-1.0f}},
        {ProcessEntries::siOxidation(TestSupport::oxidation(true)), "Oxidation Temperature", {0.0}},
        {ProcessEntries::siOxidation(TestSupport::oxidation(true)), "Oxidation Time", {-1.0}},
        {ProcessEntries::siOxidation(TestSupport::oxidation(false)), "Oxidation Thickness", {-3.0}},
        {ProcessEntries::siOxidation(TestSupport::oxidation(false)), "Micron Conversion", {0.0}},
        {walk, "Cell Size", {0.0}},
        {walk, "Surface Concentration", {-1.0}},
        {walk, "Doping Time", {"soon"}},
    };
    const auto volume = TestSupport::maskedSilicon(13, 8, 2, 5);
    context.setCurrentVolume(volume);
    const auto before = volume->materialIds();
    for (const Case &c : cases) {
        SCOPED_TRACE(std::to_string(c.entry.getProcessType()) + " " + c.name.toStdString());
        for (const QVariant &value : c.bad) {
            ProcessData entry = c.entry;
            entry.setProcessParameter(c.name, value, true);
            EXPECT_EQ(run(entry), Core::Batch::InvalidParameter) << value.toString().toStdString();
        }
        EXPECT_EQ(run(without(c.entry, c.name)), Core::Batch::MissingParameter);
    }
    // Absence wins over an invalid value.
    ProcessData both = without(cases[0].entry, "Material_Id");
    both.setProcessParameter(QStringLiteral("Film Thickness"), text, true);
    EXPECT_EQ(run(both), Core::Batch::MissingParameter);
    // A time step too long for the walk (its message is RandomWalkParameters').
    ProcessData hopping = walk;
    hopping.setProcessParameter(QStringLiteral("Time Step Duration"), 10.0, true);
    EXPECT_EQ(run(hopping), Core::Batch::InvalidParameter);
    EXPECT_FALSE(context.takeProblem().isEmpty());
    EXPECT_EQ(volume->materialIds(), before);
    EXPECT_EQ(volume->propertyNames(), QStringList());
    EXPECT_EQ(volume->getSiLattice(), nullptr);
    EXPECT_EQ(context.getCurrentVolume(), volume);
    EXPECT_EQ(scene.objectCount(), 0u) << "no substrate was added";
}

TEST_F(ProcessSteps, NumbersGivenAsTextAreReadAndLayerCountsTruncated)
{
    const auto volume = TestSupport::trenchVolume(12, 6, 24);
    context.setCurrentVolume(volume);
    ProcessData text = ProcessEntries::isotropicDeposition(3, 1);
    text.setProcessParameter(QStringLiteral("Film Thickness"), QStringLiteral(" 1.0 "), true);
    ASSERT_EQ(run(text), Core::Batch::Success);
    ProcessData fractional = ProcessEntries::mooreDeposition(4, 1);
    fractional.setProcessParameter(QStringLiteral("Thickness"), 2.9, true);
    ASSERT_EQ(run(fractional), Core::Batch::Success);
    const auto expected = TestSupport::cellsAfter(*TestSupport::trenchVolume(12, 6, 24), [](TotalVolume &v) {
        IsotropicFilmDeposition(v, 3, 1.0f).execute();
        MooreNeighborhoodDeposition(v, 4, 2).execute();
    });
    EXPECT_EQ(volume->materialIds(), expected);
}

// Keeping and rebuilding the lattice is SiWetEtchRun's, shared with the operation and tested
// there; a volume without silicon is a step that did nothing, and the run goes on.
TEST_F(ProcessSteps, WetEtchingAVolumeWithoutSiliconSucceedsAndChangesNothing)
{
    auto oxide = TestSupport::makeSlab(5, 5, 5, 2, TestSupport::kOxide);
    context.setCurrentVolume(oxide);
    EXPECT_EQ(run(ProcessEntries::siWetEtching(1, 1.0)), Core::Batch::Success);
    EXPECT_EQ(oxide->getSiLattice(), nullptr);
    EXPECT_EQ(oxide->materialIds(), TestSupport::makeSlab(5, 5, 5, 2, TestSupport::kOxide)->materialIds());
}

TEST(BatchContextSeeds, AGivenSeedStartsTheStochasticStepsOneAfterAnother)
{
    BatchTest::BatchWorld world;
    EXPECT_EQ(world.context.nextSeed(), std::nullopt);
    world.context.setSeed(41);
    EXPECT_EQ(world.context.nextSeed(), 41u);
    EXPECT_EQ(world.context.nextSeed(), 42u);
}
