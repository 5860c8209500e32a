#include "Support/BatchTestSupport.h"
#include "Support/PersistenceTestSupport.h"

#include "Core/Batch/BatchResult.h"
#include "Core/Batch/ProcessEntries.h"
#include "Core/Batch/ProcessListRun.h"

#include <gtest/gtest.h>

using Core::Batch::ProcessEntries;
using Core::Batch::ProcessListRun;
using Core::Batch::StepReport;
using Ui::ProcessData;

namespace {

Core::Operations::SubstrateDescription substrate()
{
    return BatchTest::slabSubstrate(8, 8, 10, 4);
}

class ProcessListRunning : public PersistenceTest::CatalogueTest, protected BatchTest::BatchWorld {
protected:
    ProcessListRun::Outcome run(const std::vector<ProcessData> &entries)
    {
        reports.clear();
        return ProcessListRun::run(entries, context,
                                   [this](const StepReport &report) { reports.push_back(report); });
    }

    std::vector<int> codes() const
    {
        std::vector<int> result;
        for (const auto &report : reports)
            result.push_back(report.resultCode);
        return result;
    }

    std::vector<StepReport> reports;
};

} // namespace

TEST_F(ProcessListRunning, RunStopsAtTheFailingStepWithEarlierStepsApplied)
{
    ProcessData lacking(16);
    lacking.setProcessParameter(QStringLiteral("Film Thickness"), 2.0, true);
    const auto outcome = run({ProcessEntries::createSubstrate(substrate()), ProcessEntries::cvd(3, 2),
                              lacking, ProcessEntries::isotropicEtching(3, 1)});
    EXPECT_EQ(outcome, ProcessListRun::Outcome::StepFailed);
    EXPECT_EQ(codes(), (std::vector<int>{0, 0, Core::Batch::MissingParameter}));
    EXPECT_EQ(reports[0].position, 1u);
    EXPECT_EQ(reports[0].displayName, QStringLiteral("Create Substrate"));
    EXPECT_EQ(scene.objectCount(), 1u);
    const auto ids = context.getCurrentVolume()->materialIds();
    EXPECT_EQ(std::count(ids.begin(), ids.end(), 3u), 8 * 8 * 2);
}

TEST_F(ProcessListRunning, WithoutVolumeOnlyCreateSubstrateMayComeFirst)
{
    EXPECT_EQ(run({ProcessEntries::cvd(3, 2), ProcessEntries::createSubstrate(substrate())}),
              ProcessListRun::Outcome::MissingVolume);
    EXPECT_TRUE(reports.empty());
    EXPECT_EQ(scene.objectCount(), 0u);
    EXPECT_EQ(run({}), ProcessListRun::Outcome::Completed);
}
