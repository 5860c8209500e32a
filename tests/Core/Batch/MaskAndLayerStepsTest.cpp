#include "Support/BatchTestSupport.h"
#include "Support/PersistenceTestSupport.h"
#include "Support/Volumes.h"

#include "Core/Batch/BatchResult.h"
#include "Core/Batch/ProcessEntries.h"
#include "Core/Batch/ProcessRunner.h"
#include "Core/Operations/Photolithography/Photolithography.h"
#include "Core/Operations/Planarization/Planarization.h"
#include "Core/Operations/Planarization/SpinCoating.h"
#include "Core/Operations/ReactiveIonEtching/SimpleReactiveIonEtching.h"

#include <cmath>

#include <gtest/gtest.h>

using Core::Batch::ProcessEntries;
using Model::Automaton::ImageMask;
using Model::Automaton::TotalVolume;
using Ui::ProcessData;

namespace {

constexpr uint32_t kSi = 1;
constexpr uint32_t kOxide = 3;
constexpr uint32_t kResist = 11;

// A 3 × 2 mask blocking columns (0, 1) and (2, 0).
ImageMask sampleMask()
{
    QBitArray bits(6);
    bits.setBit(1);
    bits.setBit(4);
    return ImageMask(bits, 3, 2);
}

class MaskAndLayerSteps : public PersistenceTest::CatalogueTest, protected BatchTest::BatchWorld {
protected:
    void SetUp() override
    {
        PersistenceTest::CatalogueTest::SetUp();
        // Silicon z 0..1, oxide z 2, resist z 3..4, empty above, in 5 × 4 × 8 cells.
        volume = TestSupport::makeVolume(5, 4, 8, [](uint32_t, uint32_t, uint32_t z) {
            return z < 2 ? kSi : z == 2 ? kOxide : z < 5 ? kResist : 0u;
        });
        context.setCurrentVolume(volume);
    }

    int run(const ProcessData &entry) { return Core::Batch::ProcessRunner(entry, context).run(); }

    // Runs `entry` expecting `code`; a failing step must leave the cells alone.
    void expectRefused(const ProcessData &entry, int code)
    {
        const auto before = volume->materialIds();
        EXPECT_EQ(run(entry), code);
        EXPECT_EQ(volume->materialIds(), before);
    }

    std::shared_ptr<TotalVolume> volume;
};

} // namespace

TEST_F(MaskAndLayerSteps, EachStepRunsTheEngineOfItsOperationAndRecordsIt)
{
    struct Case {
        ProcessData entry;
        std::function<void(TotalVolume &)> engine;
        uint32_t recorded;
        bool outdatesLattice;
    };
    const ImageMask mask = sampleMask();
    const std::vector<Case> cases = {
        {ProcessEntries::photolithography(kResist, mask, QStringLiteral("top.png"), ImageMask(), QString()),
         [&](TotalVolume &v) { Core::Operations::Photolithography(v, kResist, ImageMask(), mask).run(); }, 20,
         false},
        {ProcessEntries::simpleRie(kOxide, 1, 3),
         [](TotalVolume &v) { Core::Operations::SimpleReactiveIonEtching(v, kOxide, 1, 3).run(); }, 30,
         false},
        {ProcessEntries::spinCoating(kSi, 99),
         [](TotalVolume &v) { Core::Operations::SpinCoating(v, kSi, 8).run(); }, 23, true},
        {ProcessEntries::planarization(600, 1),
         [](TotalVolume &v) { Core::Operations::Planarization(v, 8, 1).run(); }, 22, true},
    };
    for (const Case &c : cases) {
        records.setLatticeOutdated(volume->getObjectId(), false);
        const auto cells = TestSupport::cellsAfter(*volume, c.engine);
        ASSERT_NE(cells, volume->materialIds()) << c.recorded;
        EXPECT_EQ(run(c.entry), Core::Batch::Success) << c.recorded;
        EXPECT_EQ(volume->materialIds(), cells) << c.recorded;
        EXPECT_EQ(records.getLastProcess(volume->getObjectId()), c.recorded);
        EXPECT_EQ(records.isLatticeOutdated(volume->getObjectId()), c.outdatesLattice) << c.recorded;
    }
}

TEST_F(MaskAndLayerSteps, BadParametersChangeNothing)
{
    ProcessData shortMask =
        ProcessEntries::photolithography(kResist, sampleMask(), QString(), ImageMask(), QString());
    shortMask.setProcessParameter(QStringLiteral("Top Mask Width"), 4u);
    expectRefused(shortMask, Core::Batch::InvalidParameter);
    ProcessData textMask = shortMask;
    textMask.setProcessParameter(QStringLiteral("Top Mask Width"), 3u);
    textMask.setProcessParameter(QStringLiteral("Top Mask"), QStringLiteral("01x010"));
    expectRefused(textMask, Core::Batch::InvalidParameter);
    ProcessData noBottom = ProcessData(0);
    for (const QString &name : shortMask.getParameterNames())
        if (!name.startsWith(QLatin1String("Bottom")))
            noBottom.setProcessParameter(name, shortMask.getProcessParameter(name), true);
    expectRefused(noBottom, Core::Batch::MissingParameter);

    expectRefused(ProcessEntries::planarization(2, 3), Core::Batch::InvalidParameter);
    expectRefused(ProcessEntries::simpleRie(kOxide, 2, 4), Core::Batch::InvalidParameter);
    ProcessData nanDepth = ProcessEntries::simpleRie(kOxide, 2, 1);
    nanDepth.setProcessParameter(QStringLiteral("Etch Depth"), std::nan(""));
    expectRefused(nanDepth, Core::Batch::InvalidParameter);
}
