#include "Support/PersistenceTestSupport.h"

#include "Core/Batch/ProcessEntries.h"
#include "Core/Operations/AnisotropicFilmDeposition/SimplePhysicalVaporDeposition.h"
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

// Adds a step with the type's editor: the dialog that opens gets `distance` and `material`
// and is accepted; `form` receives its object name.
std::optional<ProcessData> editWith(uint32_t type, double distance, uint32_t material, QString &form)
{
    QTimer::singleShot(0, [&] {
        auto *dialog =
            qobject_cast<Ui::Operations::IsotropicFilmOptionsDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        form = dialog->objectName();
        dialog->findChildren<QDoubleSpinBox *>().front()->setValue(distance);
        auto *materials = dialog->findChild<QComboBox *>(QStringLiteral("cbxMaterial"));
        materials->setCurrentIndex(materials->findData(material));
        dialog->accept();
    });
    return Ui::BatchRun::ProcessStepEditors::find(type)->edit(nullptr, nullptr);
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
    QString form;
    const auto cvd = editWith(4, 2.5, 16, form);
    ASSERT_TRUE(cvd);
    EXPECT_EQ(form, QStringLiteral("IsotropicDepositionForm"));
    EXPECT_TRUE(cvd->hasSameContents(ProcessEntries::cvd(16, 2.5)));

    const auto etching = editWith(5, 3, 1, form);
    ASSERT_TRUE(etching);
    EXPECT_EQ(form, QStringLiteral("IsotropicEtchingForm"));
    EXPECT_TRUE(etching->hasSameContents(ProcessEntries::isotropicEtching(1, 3)));

    const auto deposition = editWith(16, 1.25, 4, form);
    ASSERT_TRUE(deposition);
    EXPECT_TRUE(deposition->hasSameContents(ProcessEntries::isotropicDeposition(4, 1.25)));
}

TEST_F(ProcessStepEditorsTest, FilmFamilyEditorsKeepStoredStepsAsStoredAndAddWithTheDefaults)
{
    using Core::Operations::DepositSide;
    const auto acceptNextDialog = [] {
        QTimer::singleShot(0, [] { qobject_cast<QDialog *>(QApplication::activeModalWidget())->accept(); });
    };
    // Silicon is no PVD material, PDMS no anisotropic one: Modify keeps them all the same.
    const ProcessData stored[] = {
        ProcessEntries::anisotropicDeposition(13, 2.5, 0.25),
        ProcessEntries::anisotropicEtching(1, 3, 0),
        ProcessEntries::pvd(1, 2, 0.75, DepositSide::Bottom),
        ProcessEntries::electroplating(4, 5, 9),
        ProcessEntries::mooreDeposition(3, 7),
        ProcessEntries::mooreEtching(16, 2),
    };
    for (const ProcessData &entry : stored) {
        acceptNextDialog();
        const auto edited =
            Ui::BatchRun::ProcessStepEditors::find(entry.getProcessType())->edit(nullptr, &entry);
        ASSERT_TRUE(edited);
        EXPECT_TRUE(edited->hasSameContents(entry)) << entry.getProcessType();
    }
    // Add: the dialog's defaults, and a material only a batch step may use: PVD of silicon.
    QTimer::singleShot(0, [] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        auto *materials = dialog->findChild<QComboBox *>(QStringLiteral("cbxMaterial"));
        materials->setCurrentIndex(materials->findData(1u));
        dialog->accept();
    });
    const auto added = Ui::BatchRun::ProcessStepEditors::find(12)->edit(nullptr, nullptr);
    EXPECT_TRUE(added->hasSameContents(ProcessEntries::pvd(1, 10, 0.5, DepositSide::Top)));
}

TEST_F(ProcessStepEditorsTest, TypesWithoutDialogHaveNoEditor)
{
    for (uint32_t type : {0u, 1u, 4u, 5u, 6u, 8u, 9u, 10u, 11u, 13u, 14u, 15u, 16u, 19u, 20u})
        EXPECT_NE(Ui::BatchRun::ProcessStepEditors::find(type), nullptr) << type;
    for (uint32_t type : {25u, ProcessData::kNotAProcess})
        EXPECT_EQ(Ui::BatchRun::ProcessStepEditors::find(type), nullptr) << type;
}
