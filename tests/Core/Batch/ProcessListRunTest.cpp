#include "Support/BatchTestSupport.h"
#include "Support/PersistenceTestSupport.h"

#include "Core/Batch/ProcessEntries.h"
#include "Core/Batch/ProcessListRun.h"

#include <gtest/gtest.h>

using Core::Batch::ProcessEntries;
using Core::Batch::ProcessListRun;
using Core::Batch::StepReport;
using Ui::ProcessData;

namespace {

class ProcessListRunning : public PersistenceTest::CatalogueTest, protected BatchTest::BatchWorld {
protected:
    ProcessListRun::Outcome run(const std::vector<ProcessData> &entries)
    {
        reports.clear();
        return ProcessListRun::run(entries, context,
                                   [this](const StepReport &report) { reports.push_back(report); });
    }

    std::vector<StepReport> reports;
    const ProcessData substrate = ProcessEntries::createSubstrate(BatchTest::slabSubstrate(8, 8, 10, 4));
};

} // namespace

TEST_F(ProcessListRunning, RunStopsAtTheFailingStepWithEarlierStepsApplied)
{
    ProcessData lacking(16);
    lacking.setProcessParameter(QStringLiteral("Film Thickness"), 2.0, true);
    const auto outcome =
        run({substrate, ProcessEntries::cvd(3, 2), lacking, ProcessEntries::isotropicEtching(3, 1)});
    EXPECT_EQ(outcome, ProcessListRun::Outcome::StepFailed);
    ASSERT_EQ(reports.size(), 3u); // a failed step stops the run: the two before succeeded
    EXPECT_EQ(reports[2].resultCode, Core::Batch::MissingParameter);
    EXPECT_EQ(reports[0].position, 1u);
    EXPECT_EQ(reports[0].displayName, QStringLiteral("Create Substrate"));
    EXPECT_EQ(scene.objectCount(), 1u);
    const auto ids = context.getCurrentVolume()->materialIds();
    EXPECT_EQ(std::count(ids.begin(), ids.end(), 3u), 8 * 8 * 2);
}

TEST_F(ProcessListRunning, WithoutVolumeOnlyCreateSubstrateMayComeFirst)
{
    EXPECT_EQ(run({ProcessEntries::cvd(3, 2), substrate}), ProcessListRun::Outcome::MissingVolume);
    EXPECT_TRUE(reports.empty());
    EXPECT_EQ(scene.objectCount(), 0u);
    EXPECT_EQ(run({}), ProcessListRun::Outcome::Completed);
}
