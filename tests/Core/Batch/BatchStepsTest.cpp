#include "Support/BatchTestSupport.h"
#include "Support/PersistenceTestSupport.h"
#include "Support/Volumes.h"

#include "Core/Batch/ProcessEntries.h"

#include <gtest/gtest.h>

using Core::Batch::ProcessEntries;
using Core::Operations::SubstrateDescription;
using Model::Automaton::TotalVolume;
using Ui::ProcessData;

namespace {

class BatchSteps : public PersistenceTest::CatalogueTest, protected BatchTest::BatchWorld {
protected:
    // A volume of 6 × 5 × 8 cells whose lowest three layers are silicon.
    std::shared_ptr<TotalVolume> siliconSlab() { return TestSupport::makeSlab(6, 5, 8, 3); }

    // Oxide over x 1..3, y 2..8 (clipped by the volume) and z 1..2 of a 6 × 5 × 4 volume.
    static SubstrateDescription smallBlock()
    {
        SubstrateDescription d = BatchTest::slabSubstrate(6, 5, 4, 2, 3);
        d.blockX = d.blockZ = 1;
        d.blockY = 2;
        d.blockWidth = 3;
        d.blockLength = 9;
        d.position = Util::Vector3D(1, 2, 3);
        return d;
    }
};

} // namespace

TEST_F(BatchSteps, UnknownProcessesAreRefused)
{
    context.setCurrentVolume(siliconSlab());
    const auto before = context.getCurrentVolume()->materialIds();
    EXPECT_EQ(run(ProcessData(25)), Core::Batch::UnknownProcess);
    EXPECT_EQ(run(ProcessData(21)), Core::Batch::UnknownProcess);
    EXPECT_EQ(run(ProcessData(ProcessData::kNotAProcess)), Core::Batch::UnknownProcess);
    EXPECT_EQ(context.getCurrentVolume()->materialIds(), before);
}

TEST_F(BatchSteps, CreateSubstrateBuildsTheBlockAddsItAndMakesItCurrent)
{
    const SubstrateDescription d = smallBlock();
    ASSERT_EQ(run(ProcessEntries::createSubstrate(d)), Core::Batch::Success);
    const auto volume = context.getCurrentVolume();
    ASSERT_NE(volume, nullptr);
    EXPECT_EQ(scene.getCellVolumes(), std::vector<std::shared_ptr<TotalVolume>>{volume});
    EXPECT_EQ(volume->getPosition(), Util::Vector3D(1, 2, 3));
    // The step builds what the substrate builder (tested on its own) builds from the description.
    EXPECT_EQ(volume->materialIds(), Core::Operations::buildSubstrate(d)->materialIds());
    EXPECT_EQ(TestSupport::materialAt(*volume, 3, 4, 2), 3u);
}

// A corner given as text and a size given as decimal text are read; bad values are refused in
// ProcessSteps' table.
TEST_F(BatchSteps, CreateSubstrateReadsItsCornerAndSizesFromText)
{
    ProcessData entry = ProcessEntries::createSubstrate(smallBlock());
    entry.setProcessParameter(QStringLiteral("Lower Left Front Corner"), QStringLiteral("1;2;3"), true);
    entry.setProcessParameter(QStringLiteral("Volume Size X"), QStringLiteral("7"), true);
    ASSERT_EQ(run(entry), Core::Batch::Success);
    EXPECT_EQ(context.getCurrentVolume()->getSizeX(), 7u);
    EXPECT_EQ(context.getCurrentVolume()->getPosition(), Util::Vector3D(1, 2, 3));
}

TEST_F(BatchSteps, SaveImageHandsTheFileNameToTheSaver)
{
    QStringList saved;
    context.setImageSaver([&saved](const QString &file) { saved << file; });
    EXPECT_EQ(run(ProcessEntries::saveImage(QStringLiteral("a.png"))), Core::Batch::Success);
    EXPECT_EQ(run(ProcessEntries::saveImage(QString())), Core::Batch::Success);
    EXPECT_EQ(run(ProcessData(10)), Core::Batch::MissingParameter);
    EXPECT_EQ(saved, (QStringList{QStringLiteral("a.png"), QString()}));
}
