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

TEST_F(BatchSteps, CreateSubstrateRefusesMissingAndInvalidParametersWithoutAddingAVolume)
{
    const auto withChange = [](const QString &name, const QVariant &value, bool remove = false,
                               bool spherical = false) {
        SubstrateDescription d = smallBlock();
        d.spherical = spherical;
        ProcessData entry = ProcessEntries::createSubstrate(d);
        ProcessData changed(11);
        for (const QString &key : entry.getParameterNames()) {
            if (key == name && remove)
                continue;
            changed.setProcessParameter(key, key == name ? value : entry.getProcessParameter(key), true);
        }
        return changed;
    };
    for (const char *name : {"Material_Id", "SphericalSubstrate", "Substrate Delta Z"})
        EXPECT_EQ(run(withChange(name, {}, true)), Core::Batch::MissingParameter) << name;
    EXPECT_EQ(run(withChange("Substrate Radius", {}, true, true)), Core::Batch::MissingParameter);
    const std::pair<const char *, QVariant> invalid[] = {{"Volume Size X", "abc"},
                                                         {"Volume Size X", -4},
                                                         {"Volume Size X", 0u},
                                                         {"Volume Size X", 4294967295u},
                                                         {"Lower Left Front Corner", "1;2"},
                                                         {"SphericalSubstrate", "maybe"}};
    for (const auto &[name, value] : invalid)
        EXPECT_EQ(run(withChange(name, value)), Core::Batch::InvalidParameter) << name;
    EXPECT_EQ(run(withChange("Substrate Radius", QVariant(), false, true)), Core::Batch::InvalidParameter);
    EXPECT_EQ(scene.objectCount(), 0u);
    EXPECT_EQ(context.getCurrentVolume(), nullptr);
    // A corner given as text and sizes given as decimal text are accepted.
    EXPECT_EQ(run(withChange("Lower Left Front Corner", "1;2;3")), Core::Batch::Success);
    EXPECT_EQ(run(withChange("Volume Size X", "7")), Core::Batch::Success);
    EXPECT_EQ(context.getCurrentVolume()->getSizeX(), 7u);
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
