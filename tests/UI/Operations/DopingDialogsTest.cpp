#include "Support/PersistenceTestSupport.h"
#include "Support/Volumes.h"
#include "Support/WorkspaceHarness.h"

#include "Core/Batch/ProcessEntries.h"
#include "Core/Operations/DopingOperation/IonImplantation.h"
#include "Core/Operations/DopingOperation/SimpleDoping.h"
#include "Core/Operations/SiOxidation/SimpleSiOxidation.h"
#include "Model/Materials/MaterialFactory.h"
#include "Model/Process/ProcessFactory.h"
#include "UI/BatchRun/ProcessStepEditor.h"
#include "UI/Observers/DopingOptionsObserver.h"
#include "UI/Observers/RandomWalkDopingObserver.h"
#include "UI/Observers/SiOxidationObserver.h"
#include "UI/Operations/RandomWalkDopingDialog.h"
#include "UI/Operations/SimpleOxidationOptionsDialog.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
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

TEST_F(DopingDialogsTest, OxidationModesEnableTheirBoxesAndLoadFromAStep)
{
    Ui::Operations::SimpleOxidationOptionsDialog dialog;
    auto *thickness = dialog.findChild<QDoubleSpinBox *>(QStringLiteral("dblOxideThickness"));
    auto *time = dialog.findChild<QDoubleSpinBox *>(QStringLiteral("dblOxidationTime"));
    EXPECT_TRUE(thickness->isEnabled());
    EXPECT_FALSE(time->isEnabled());
    dialog.findChild<QRadioButton *>(QStringLiteral("radOxidationTime"))->setChecked(true);
    EXPECT_FALSE(thickness->isEnabled());
    EXPECT_TRUE(time->isEnabled());

    OxidationSettings stored;
    stored.byTime = false;
    stored.microns = 0.3;
    stored.unitsPerMicron = 40;
    dialog.loadParameters(ProcessEntries::siOxidation(stored).getParameters());
    const OxidationSettings loaded = dialog.getSettings();
    EXPECT_FALSE(loaded.byTime);
    EXPECT_DOUBLE_EQ(loaded.microns, 0.3);
    EXPECT_DOUBLE_EQ(loaded.unitsPerMicron, 40.0);
    EXPECT_TRUE(thickness->isEnabled());
}

TEST_F(DopingDialogsTest, ObserversHandTheAcceptedValuesToTheirOperations)
{
    TestSupport::WorkspaceHarness harness;
    Core::Workspace &workspace = harness.workspace;
    const auto withObserver = [&workspace](auto operation, auto observer) {
        operation->addObserver(observer);
        return operation;
    };
    harness.factory->makers[17] = [&] {
        return withObserver(std::make_shared<DopingOperation>(workspace),
                            std::make_shared<Ui::Observers::DopingOptionsObserver>(workspace, nullptr, 13));
    };
    harness.factory->makers[26] = [&] {
        return withObserver(std::make_shared<SimpleSiOxidationOperation>(workspace),
                            std::make_shared<Ui::Observers::SiOxidationObserver>(workspace, nullptr));
    };
    harness.factory->makers[36] = [&] {
        return withObserver(
            std::make_shared<RandomWalkDopingOperation>(workspace),
            std::make_shared<Ui::Observers::RandomWalkDopingObserver>(workspace, nullptr, 13));
    };
    auto volume = TestSupport::makeSlab(6, 6, 10, 5);
    workspace.getScene().addObject(volume);

    // 1e20 cm⁻³ in 0.1 µm cells: 100000 particles a surface cell, which dope.
    acceptNextDialog([](QDialog &d) {
        edit(d, "lieDopantConcentration")->setText(QStringLiteral("1e20"));
        auto *materials = d.findChild<QComboBox *>();
        materials->setCurrentIndex(materials->findData(14u));
    });
    workspace.activate(36);
    EXPECT_EQ(harness.lastMessage(), "Random Walk Doping: Operation finished.");
    ASSERT_NE(volume->getParticleCounts(QStringLiteral("Random Walk Particle Count Type N")), nullptr);
    EXPECT_EQ(TestSupport::materialAt(*volume, 3, 3, 4), 14u) << "a surface cell";

    auto expected = std::static_pointer_cast<Model::Automaton::TotalVolume>(volume->clone());
    SimpleDoping(*expected, 15, 1.5).execute();
    acceptNextDialog([](QDialog &d) {
        d.findChild<QDoubleSpinBox *>()->setValue(1.5);
        auto *materials = d.findChild<QComboBox *>();
        materials->setCurrentIndex(materials->findData(15u));
    });
    workspace.activate(17);
    EXPECT_EQ(volume->materialIds(), expected->materialIds());

    // By time: 0 hours is the native oxide, 2.5 units at the dialog's 100 units per micron.
    SimpleSiOxidation(*expected, 100.0).execute(0.025);
    acceptNextDialog([](QDialog &d) {
        d.findChild<QRadioButton *>(QStringLiteral("radOxidationTime"))->setChecked(true);
        d.findChild<QDoubleSpinBox *>(QStringLiteral("dblOxidationTime"))->setValue(0.0);
    });
    workspace.activate(26);
    EXPECT_EQ(volume->materialIds(), expected->materialIds());
}

TEST_F(DopingDialogsTest, StepEditorsOfferEveryMaterialAndKeepAStoredOne)
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
    // A material the catalogue does not hold stays the step's material.
    ProcessData foreign = ProcessEntries::doping(14, 2.0f);
    foreign.setProcessParameter(QStringLiteral("Doped Material_Id"), 2001u, true);
    foreign.setProcessParameter(QStringLiteral("Doped Material"), QStringLiteral("Arsenic glass"), true);
    acceptNextDialog([](QDialog &) {});
    const auto kept = Ui::BatchRun::ProcessStepEditors::find(8)->edit(nullptr, &foreign);
    ASSERT_TRUE(kept);
    EXPECT_EQ(kept->getProcessParameter(QStringLiteral("Doped Material_Id")).toUInt(), 2001u);
}
