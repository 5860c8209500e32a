#include "Core/Batch/BatchResult.h"
#include "Core/Batch/ProcessEntries.h"
#include "Core/Batch/ProcessRunner.h"
#include "Support/BatchTestSupport.h"
#include "Support/SiliconVolumes.h"

#include <gtest/gtest.h>

#include <cmath>

using Core::Batch::ProcessEntries;
using Model::Automaton::TotalVolume;
using Ui::ProcessData;

namespace {

class SiWetEtchingSteps : public ::testing::Test, protected BatchTest::BatchWorld {
protected:
    int run(const ProcessData &entry) { return Core::Batch::ProcessRunner(entry, context).run(); }

    std::shared_ptr<TotalVolume> volume = TestSupport::maskedSilicon(14, 8, 2, 6);
};

} // namespace

TEST_F(SiWetEtchingSteps, BothTypesEtchRecordTheirProcessAndBuildTheLatticeOnce)
{
    context.setCurrentVolume(volume);
    const auto before = volume->materialIds();
    ASSERT_EQ(run(ProcessEntries::siWetEtching(1, 1.5)), Core::Batch::Success);
    EXPECT_NE(volume->materialIds(), before);
    EXPECT_EQ(records.getLastProcess(volume->getObjectId()), 28u);
    EXPECT_FALSE(records.isLatticeOutdated(volume->getObjectId()));
    const auto lattice = volume->getSiLattice();
    ASSERT_EQ(run(ProcessEntries::siWetEtching(20, 2.0)), Core::Batch::Success);
    EXPECT_EQ(volume->getSiLattice(), lattice) << "the unchanged volume keeps its lattice";
    EXPECT_EQ(records.getLastProcess(volume->getObjectId()), 29u);
}

TEST_F(SiWetEtchingSteps, BadDepthsMissingDepthsAndLaterTypesChangeNothing)
{
    context.setCurrentVolume(volume);
    const auto before = volume->materialIds();
    for (uint32_t type : {1u, 20u}) {
        for (const QVariant &depth : {QVariant(-0.5), QVariant(double(NAN)), QVariant(QStringLiteral("abc")),
                                      QVariant(QStringLiteral("nan")), QVariant(1e9)}) {
            ProcessData entry(type);
            entry.setProcessParameter(QStringLiteral("Depth"), depth, true);
            EXPECT_EQ(run(entry), Core::Batch::InvalidParameter)
                << type << " " << depth.toString().toStdString();
        }
        EXPECT_EQ(run(ProcessData(type)), Core::Batch::MissingParameter);
    }
    EXPECT_EQ(run(ProcessData(21)), Core::Batch::UnknownProcess);
    EXPECT_EQ(volume->materialIds(), before);
    EXPECT_EQ(volume->getSiLattice(), nullptr);

    // Without silicon the step does nothing, and says so only in the log.
    auto oxide = TestSupport::makeSlab(5, 5, 5, 2, TestSupport::kOxide);
    context.setCurrentVolume(oxide);
    EXPECT_EQ(run(ProcessEntries::siWetEtching(1, 1.0)), Core::Batch::Success);
    EXPECT_EQ(oxide->getSiLattice(), nullptr);
}
