#include "Support/PersistenceTestSupport.h"

#include "Core/Batch/ProcessEntries.h"
#include "Model/Process/ProcessFactory.h"
#include "UI/BatchRun/ProcessStepEditor.h"
#include "UI/Operations/IsotropicFilmOptionsDialog.h"

#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QTimer>

#include <gtest/gtest.h>

using Core::Batch::ProcessEntries;
using Ui::ProcessData;

namespace {

struct SeenDialog {
    QString objectName;
    double distance = -1;
    uint32_t material = 0;
};

// Edits with the type's editor; the dialog that opens is read, given `distance` and
// `material` (when non-zero) and accepted.
std::optional<ProcessData> editWith(uint32_t type, const ProcessData *current, double distance,
                                    uint32_t material, SeenDialog &seen)
{
    QTimer::singleShot(0, [&] {
        auto *dialog =
            qobject_cast<Ui::Operations::IsotropicFilmOptionsDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        auto *box = dialog->findChildren<QDoubleSpinBox *>().front();
        auto *materials = dialog->findChild<QComboBox *>(QStringLiteral("cbxMaterial"));
        seen = {dialog->objectName(), box->value(), dialog->getMaterialId()};
        box->setValue(distance);
        if (material != 0)
            materials->setCurrentIndex(materials->findData(material));
        dialog->accept();
    });
    return Ui::BatchRun::ProcessStepEditors::find(type)->edit(nullptr, current);
}

class ProcessStepEditorsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        PersistenceTest::resetCatalogue();
        Model::Process::ProcessFactory::instance()->createDefaultProcesses();
    }
};

} // namespace

TEST_F(ProcessStepEditorsTest, IsotropicFilmEditorsBuildTheirTypesEntries)
{
    SeenDialog seen;
    const auto cvd = editWith(4, nullptr, 2.5, 16, seen);
    ASSERT_TRUE(cvd);
    EXPECT_EQ(seen.objectName, QStringLiteral("IsotropicDepositionForm"));
    EXPECT_TRUE(cvd->hasSameContents(ProcessEntries::cvd(16, 2.5)));

    const auto etching = editWith(5, nullptr, 3, 1, seen);
    ASSERT_TRUE(etching);
    EXPECT_EQ(seen.objectName, QStringLiteral("IsotropicEtchingForm"));
    EXPECT_TRUE(etching->hasSameContents(ProcessEntries::isotropicEtching(1, 3)));

    const auto deposition = editWith(16, nullptr, 1.25, 4, seen);
    ASSERT_TRUE(deposition);
    EXPECT_TRUE(deposition->hasSameContents(ProcessEntries::isotropicDeposition(4, 1.25)));
}

TEST_F(ProcessStepEditorsTest, ModifyPresetsTheDialogFromTheEntry)
{
    SeenDialog seen;
    const ProcessData cvd = ProcessEntries::cvd(16, 2.5);
    const auto same = editWith(4, &cvd, 2.5, 0, seen);
    EXPECT_EQ(seen.distance, 2.5);
    EXPECT_EQ(seen.material, 16u);
    ASSERT_TRUE(same);
    EXPECT_TRUE(same->hasSameContents(cvd));

    const ProcessData etching = ProcessEntries::isotropicEtching(3, 4);
    editWith(5, &etching, 1, 0, seen);
    EXPECT_EQ(seen.distance, 4.0);
    EXPECT_EQ(seen.material, 3u);
}

TEST_F(ProcessStepEditorsTest, TypesWithoutDialogHaveNoEditor)
{
    for (uint32_t type : {0u, 4u, 5u, 6u, 8u, 9u, 10u, 11u, 13u, 14u, 15u, 16u, 19u})
        EXPECT_NE(Ui::BatchRun::ProcessStepEditors::find(type), nullptr) << type;
    for (uint32_t type : {1u, 25u, ProcessData::kNotAProcess})
        EXPECT_EQ(Ui::BatchRun::ProcessStepEditors::find(type), nullptr) << type;
}
