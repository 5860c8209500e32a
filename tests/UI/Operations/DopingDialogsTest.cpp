#include "Support/PersistenceTestSupport.h"

#include "Core/Batch/ProcessEntries.h"
#include "Core/Operations/DopingOperation/IonImplantation.h"
#include "Core/Operations/SiOxidation/OxidationSettings.h"
#include "Model/Materials/MaterialFactory.h"
#include "Model/Process/ProcessFactory.h"
#include "UI/BatchRun/ProcessStepEditor.h"
#include "UI/Operations/RandomWalkDopingDialog.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace Core::Operations;
using Core::Batch::ProcessEntries;
using Ui::ProcessData;

namespace {

QLineEdit *edit(QDialog &dialog, const char *name)
{
    return dialog.findChild<QLineEdit *>(QLatin1String(name));
}

// Types `text` over the edit's contents, then, when `finish` is set, ends the edit as leaving
// the field does.
void typeInto(QLineEdit *field, const QString &text, bool finish)
{
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, text);
    if (finish)
        emit field->editingFinished();
}

bool okEnabled(QDialog &dialog)
{
    return dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->isEnabled();
}

// Lets `fill` set the dialog that is about to be shown, then accepts it.
void acceptNextDialog(std::function<void(QDialog &)> fill)
{
    QTimer::singleShot(0, [fill] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        fill(*dialog);
        dialog->accept();
    });
}

class DopingDialogsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        PersistenceTest::resetCatalogue();
        Model::Process::ProcessFactory::instance()->createDefaultProcesses();
    }
};

} // namespace

TEST_F(DopingDialogsTest, DiffusionCoefficientAndTimeStepFollowEachOtherOnceAnEditEnds)
{
    Ui::Operations::RandomWalkDopingDialog dialog(Ui::Operations::MaterialOffer::compatibleWith(13));
    auto *diffusion = edit(dialog, "lieDiffusionCoefficient");
    auto *timeStep = edit(dialog, "lieTimeStepDuration");
    auto *cellSize = edit(dialog, "lieCellSize");
    EXPECT_EQ(timeStep->text(), QStringLiteral("320.513"));
    EXPECT_TRUE(okEnabled(dialog));

    typeInto(diffusion, QStringLiteral("5.2e-14"), false);
    EXPECT_EQ(timeStep->text(), QStringLiteral("320.513")) << "nothing follows while typing";
    emit diffusion->editingFinished();
    EXPECT_EQ(timeStep->text(), QStringLiteral("160.256"));

    // A longer time step typed but not finished: 6p would be 4, so OK waits and says why.
    typeInto(timeStep, QStringLiteral("641.026"), false);
    EXPECT_FALSE(okEnabled(dialog));
    EXPECT_TRUE(dialog.findChild<QLabel *>(QStringLiteral("lblProblem"))
                    ->text()
                    .contains(QStringLiteral("too long")));
    emit timeStep->editingFinished();
    EXPECT_EQ(diffusion->text(), QStringLiteral("1.3e-14"));
    EXPECT_TRUE(okEnabled(dialog));

    typeInto(cellSize, QStringLiteral("0.2"), true);
    EXPECT_EQ(timeStep->text(), QStringLiteral("2564.1"));
    typeInto(diffusion, QStringLiteral("0"), true);
    EXPECT_EQ(timeStep->text(), QStringLiteral("2564.1")) << "no diffusion: any time step will do";
    typeInto(cellSize, QStringLiteral("0"), true);
    EXPECT_FALSE(okEnabled(dialog));
    EXPECT_NEAR(RandomWalkParameters::fromSettings(dialog.getSettings()).timeStep, 2564.1f, 0.01f);
}

TEST_F(DopingDialogsTest, StepEditorsOfferEveryMaterialAndGiveBackAnUnchangedStep)
{
    RandomWalkSettings walk;
    walk.materialId = 15;
    const ProcessData stored[] = {ProcessEntries::doping(16, 2.0f), ProcessEntries::ionImplantation(14, {}),
                                  ProcessEntries::siOxidation(OxidationSettings()),
                                  ProcessEntries::randomWalkDoping(walk)};
    const int catalogue = int(Model::Materials::MaterialFactory::instance()->getMaterials().size());
    for (const ProcessData &entry : stored) {
        // Modify, accepted unchanged: the same entry.
        int offered = -1;
        acceptNextDialog([&](QDialog &d) {
            if (auto *materials = d.findChild<QComboBox *>())
                offered = materials->count();
        });
        const auto edited =
            Ui::BatchRun::ProcessStepEditors::find(entry.getProcessType())->edit(nullptr, &entry);
        ASSERT_TRUE(edited);
        EXPECT_TRUE(edited->hasSameContents(entry)) << entry.getProcessType();
        if (entry.getProcessType() != 15) {
            EXPECT_EQ(offered, catalogue) << entry.getProcessType();
        }
    }
}
