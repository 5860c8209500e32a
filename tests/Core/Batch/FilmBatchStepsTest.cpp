// Batch steps of anisotropic deposition and etching, PVD, electroplating and Moore deposition
// and etching: the same engines as the operations, and bad values refused.
#include "Support/BatchTestSupport.h"
#include "Support/PersistenceTestSupport.h"
#include "Support/Volumes.h"

#include "Core/Batch/BatchResult.h"
#include "Core/Batch/ProcessRunner.h"
#include "Support/FilmProcessCases.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace Core::Operations;
using Core::Batch::ProcessEntries;
using Model::Automaton::TotalVolume;
using Ui::ProcessData;

namespace {

class FilmBatchSteps : public PersistenceTest::CatalogueTest, protected BatchTest::BatchWorld {
protected:
    int run(const ProcessData &entry) { return Core::Batch::ProcessRunner(entry, context).run(); }
    static std::shared_ptr<TotalVolume> trench() { return TestSupport::trenchVolume(12, 6, 24); }
};

} // namespace

TEST_F(FilmBatchSteps, StepsRunTheSameEnginesAsTheOperations)
{
    const auto volume = trench();
    context.setCurrentVolume(volume);
    const uint32_t objectId = volume->getObjectId();
    for (const auto &c : TestSupport::filmProcessCases()) {
        const auto expected = TestSupport::cellsAfter(*volume, c.engine);
        records.setLatticeOutdated(objectId, false);
        ASSERT_EQ(run(c.entry()), Core::Batch::Success) << c.operationId;
        EXPECT_EQ(volume->materialIds(), expected) << c.operationId;
        EXPECT_EQ(records.getLastProcess(objectId), c.recordedId ? c.recordedId : c.operationId);
        EXPECT_EQ(records.isLatticeOutdated(objectId), c.stepOutdatesLattice) << c.operationId;
    }
}

TEST_F(FilmBatchSteps, ValuesNoDialogCanGiveAreRefusedAndChangeNothing)
{
    struct Case {
        ProcessData entry;
        QString name;
        std::vector<QVariant> bad;
    };
    const QVariant nan(std::nan("")), huge(1e300), text(QStringLiteral("abc"));
    const QString ratio = QStringLiteral("Horizontal to Vertical Ratio");
    const Case cases[] = {
        {ProcessEntries::anisotropicDeposition(1, 2, 0.5),
         QStringLiteral("Film Thickness"),
         {-1.0, nan, huge, 2e9}},
        {ProcessEntries::anisotropicDeposition(1, 2, 0.5), ratio, {-0.5, nan, huge, text}},
        {ProcessEntries::anisotropicEtching(1, 2, 0.5), QStringLiteral("Etch Depth"), {-0.01, nan, text}},
        {ProcessEntries::anisotropicEtching(1, 2, 0.5), ratio, {-1.0, 1e10}},
        {ProcessEntries::pvd(4, 2, 0.5, DepositSide::Top), QStringLiteral("Thickness"), {-3.0, nan}},
        {ProcessEntries::pvd(4, 2, 0.5, DepositSide::Top), ratio, {0.0, 0.005, nan}},
        {ProcessEntries::pvd(4, 2, 0.5, DepositSide::Top), QStringLiteral("DepositOn"), {0, 4, -1, 2.5}},
        {ProcessEntries::electroplating(2, 1, 9), QStringLiteral("Film Thickness"), {-2.0, nan, huge}},
        {ProcessEntries::electroplating(2, 1, 9), QStringLiteral("Conducting Material_Id"), {-1, text}},
        {ProcessEntries::mooreDeposition(1, 2), QStringLiteral("Thickness"), {0, -3, 0.5, 1e12, nan, text}},
        {ProcessEntries::mooreEtching(1, 2), QStringLiteral("Depth"), {-1, 1e9, huge}},
    };
    const auto volume = trench();
    context.setCurrentVolume(volume);
    const auto before = volume->materialIds();
    for (const Case &c : cases) {
        for (const QVariant &value : c.bad) {
            ProcessData entry = c.entry;
            entry.setProcessParameter(c.name, value, true);
            EXPECT_EQ(run(entry), Core::Batch::InvalidParameter)
                << c.entry.getProcessType() << " " << c.name.toStdString() << " = "
                << value.toString().toStdString();
        }
        ProcessData lacking(c.entry.getProcessType());
        for (const QString &name : c.entry.getParameterNames())
            if (name != c.name)
                lacking.setProcessParameter(name, c.entry.getProcessParameter(name), true);
        EXPECT_EQ(run(lacking), Core::Batch::MissingParameter) << c.name.toStdString();
    }
    EXPECT_EQ(volume->materialIds(), before);
    // A fractional layer count is truncated, as the list format says.
    ProcessData fractional = ProcessEntries::mooreDeposition(4, 1);
    fractional.setProcessParameter(QStringLiteral("Thickness"), 2.9, true);
    ASSERT_EQ(run(fractional), Core::Batch::Success);
    auto expected = trench();
    MooreNeighborhoodDeposition(*expected, 4, 2).execute();
    EXPECT_EQ(volume->materialIds(), expected->materialIds());
}
