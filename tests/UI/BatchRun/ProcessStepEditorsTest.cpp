#include "Support/BatchTestSupport.h"
#include "Support/DialogDrivers.h"
#include "Support/ModalBoxWatcher.h"

#include "Core/Batch/ProcessEntries.h"
#include "Core/Operations/AnisotropicFilmDeposition/SimplePhysicalVaporDeposition.h"
#include "Core/Operations/DopingOperation/IonImplantation.h"
#include "Core/Operations/RandomWalkDoping/RandomWalkParameters.h"
#include "Core/Operations/SiOxidation/OxidationSettings.h"
#include "Model/Automaton/ImageMask.h"
#include "UI/BatchRun/ProcessStepEditor.h"

#include <QComboBox>
#include <QDoubleSpinBox>

#include <gtest/gtest.h>

using Core::Batch::ProcessEntries;
using Core::Operations::DepositSide;
using Ui::ProcessData;

namespace {

using ProcessStepEditorsTest = PersistenceTest::CatalogueTest;

} // namespace

// Add with the type's editor: the distance and material chosen in its dialog make the entry, and
// a batch step may use a material the menus would not offer: PVD of silicon. Types without an
// options dialog have no editor.
TEST_F(ProcessStepEditorsTest, AddBuildsTheEntryFromTheDialogsValues)
{
    const std::tuple<uint32_t, double, uint32_t, ProcessData> cases[] = {
        {4, 2.5, 16, ProcessEntries::cvd(16, 2.5)},
        {5, 3, 1, ProcessEntries::isotropicEtching(1, 3)},
        {12, 7, 1, ProcessEntries::pvd(1, 7, 0.5, DepositSide::Top)}};
    for (const auto &[type, distance, material, expected] : cases) {
        TestSupport::answerNextDialog<QDialog>([&](QDialog &dialog) {
            dialog.findChildren<QDoubleSpinBox *>().front()->setValue(distance);
            auto *materials = dialog.findChild<QComboBox *>(QStringLiteral("cbxMaterial"));
            materials->setCurrentIndex(materials->findData(material));
        });
        const auto entry = Ui::BatchRun::ProcessStepEditors::find(type)->edit(nullptr, nullptr);
        ASSERT_TRUE(entry) << type;
        EXPECT_TRUE(entry->hasSameContents(expected)) << type;
    }
    for (uint32_t type : {25u, ProcessData::kNotAProcess})
        EXPECT_EQ(Ui::BatchRun::ProcessStepEditors::find(type), nullptr) << type;
    EXPECT_NE(Ui::BatchRun::ProcessStepEditors::find(10), nullptr) << "Save Image asks for its file";
}

// Every editor, opened on a stored step and accepted unchanged, gives the step back, and offers the
// whole catalogue: silicon is no PVD material, PDMS no anisotropic one, and a photolithography
// step keeps its mask although the mask's file is gone; wet etchings keep their type and depth.
TEST_F(ProcessStepEditorsTest, EveryEditorKeepsAStoredStepAsStoredAndOffersTheWholeCatalogue)
{
    QBitArray stripes(6);
    stripes.setBit(0);
    stripes.setBit(3);
    Core::Operations::RandomWalkSettings walk;
    walk.materialId = 15;
    const ProcessData stored[] = {ProcessEntries::anisotropicDeposition(13, 2.5, 0.25),
                                  ProcessEntries::anisotropicEtching(1, 3, 0),
                                  ProcessEntries::pvd(1, 2, 0.75, DepositSide::Bottom),
                                  ProcessEntries::electroplating(4, 5, 9),
                                  ProcessEntries::mooreDeposition(3, 7),
                                  ProcessEntries::mooreEtching(16, 2),
                                  ProcessEntries::photolithography(12,
                                                                   Model::Automaton::ImageMask(stripes, 2, 3),
                                                                   QStringLiteral("/gone/top.png"),
                                                                   Model::Automaton::ImageMask(), QString()),
                                  ProcessEntries::planarization(40, 7),
                                  ProcessEntries::spinCoating(13, 25),
                                  ProcessEntries::simpleRie(16, 4, 2),
                                  ProcessEntries::doping(16, 2.0f),
                                  ProcessEntries::ionImplantation(14, {}),
                                  ProcessEntries::siOxidation(Core::Operations::OxidationSettings()),
                                  ProcessEntries::randomWalkDoping(walk),
                                  ProcessEntries::siWetEtching(1, 7.25),
                                  ProcessEntries::siWetEtching(20, 7.25),
                                  ProcessEntries::createSubstrate(BatchTest::slabSubstrate(6, 5, 8, 3))};
    const int catalogue = int(Model::Materials::MaterialFactory::instance()->getMaterials().size());
    for (const ProcessData &entry : stored) {
        ModalBoxWatcher boxes;
        int offered = catalogue;
        TestSupport::answerNextDialog<QDialog>([&offered](QDialog &dialog) {
            if (auto *materials = dialog.findChild<QComboBox *>(QStringLiteral("cbxMaterial")))
                offered = materials->count();
        });
        const auto edited =
            Ui::BatchRun::ProcessStepEditors::find(entry.getProcessType())->edit(nullptr, &entry);
        ASSERT_TRUE(edited) << entry.getProcessType();
        EXPECT_TRUE(edited->hasSameContents(entry)) << entry.getProcessType();
        EXPECT_EQ(offered, catalogue) << entry.getProcessType();
        EXPECT_TRUE(boxes.texts.isEmpty());
    }
}
