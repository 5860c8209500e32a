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

TEST_F(ProcessStepEditorsTest, TypesWithoutDialogHaveNoEditor)
{
    for (uint32_t type : {0u, 4u, 5u, 6u, 8u, 9u, 10u, 11u, 13u, 14u, 15u, 16u, 19u})
        EXPECT_NE(Ui::BatchRun::ProcessStepEditors::find(type), nullptr) << type;
    for (uint32_t type : {1u, 25u, ProcessData::kNotAProcess})
        EXPECT_EQ(Ui::BatchRun::ProcessStepEditors::find(type), nullptr) << type;
}
