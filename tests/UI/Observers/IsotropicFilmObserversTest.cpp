#include "Core/Operations/IsotropicFilmDeposition/IsotropicFilmDeposition.h"
#include "Core/Operations/IsotropicFilmDeposition/IsotropicFilmEtching.h"
#include "Model/Materials/MaterialFactory.h"
#include "Model/Process/ProcessFactory.h"
#include "Support/Volumes.h"
#include "Support/WorkspaceHarness.h"
#include "UI/Observers/IsotropicFilmDepositionObserver.h"
#include "UI/Observers/IsotropicFilmEtchingObserver.h"

#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QTimer>

#include <gtest/gtest.h>

using namespace Core::Operations;
using Model::Automaton::TotalVolume;

namespace {

// Fills the options dialog that is about to be shown, then accepts or rejects it.
void answerNextDialog(double distance, int materialIndex, bool accept)
{
    QTimer::singleShot(0, [=] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<QDoubleSpinBox *>()->setValue(distance);
        dialog->findChild<QComboBox *>("cbxMaterial")->setCurrentIndex(materialIndex);
        if (accept)
            dialog->accept();
        else
            dialog->reject();
    });
}

class IsotropicFilmObservers : public ::testing::Test {
protected:
    IsotropicFilmObservers()
    {
        Model::Materials::MaterialFactory::instance()->createDefaultMaterials();
        Model::Process::ProcessFactory::instance()->createDefaultProcesses();
        auto &workspace = harness.workspace;
        harness.factory->makers[13] = [&workspace] {
            auto operation = std::make_shared<IsotropicFilmDepositionOperation>(workspace);
            operation->addObserver(
                std::make_shared<Ui::Observers::IsotropicFilmDepositionObserver>(workspace, nullptr, 18));
            return operation;
        };
        harness.factory->makers[14] = [&workspace] {
            auto operation = std::make_shared<IsotropicFilmEtchingOperation>(workspace);
            operation->addObserver(
                std::make_shared<Ui::Observers::IsotropicFilmEtchingObserver>(workspace, nullptr, 10));
            return operation;
        };
        volume =
            TestSupport::makeVolume(6, 6, 10, [](uint32_t, uint32_t, uint32_t z) { return z < 4 ? 1u : 0u; });
        workspace.getScene().addObject(volume);
    }

    template <class Engine> std::vector<uint32_t> expectedAfter(uint32_t material, float distance)
    {
        auto copy = std::static_pointer_cast<TotalVolume>(volume->clone());
        Engine(*copy, material, distance).execute();
        return copy->materialIds();
    }

    TestSupport::WorkspaceHarness harness;
    std::shared_ptr<TotalVolume> volume;
};

} // namespace

TEST_F(IsotropicFilmObservers, AcceptedDepositionDialogSetsThicknessAndMaterial)
{
    // Process 18 lists Si first; index 3 is Cu (bulk), id 5.
    const auto expected = expectedAfter<IsotropicFilmDeposition>(5, 2.0f);
    answerNextDialog(2.0, 3, true);
    harness.workspace.activate(13);
    EXPECT_EQ(volume->materialIds(), expected);
    EXPECT_EQ(harness.lastMessage(), "Isotropic Deposition: Operation finished.");
}

TEST_F(IsotropicFilmObservers, AcceptedEtchingDialogSetsDepthAndMaterial)
{
    // Process 10 lists Si first.
    const auto before = volume->materialIds();
    const auto expected = expectedAfter<IsotropicFilmEtching>(1, 1.5f);
    answerNextDialog(1.5, 0, true);
    harness.workspace.activate(14);
    EXPECT_EQ(volume->materialIds(), expected);
    EXPECT_NE(volume->materialIds(), before);
}

TEST_F(IsotropicFilmObservers, RejectedDialogLeavesTheCellsAlone)
{
    const auto before = volume->materialIds();
    answerNextDialog(5.0, 3, false);
    harness.workspace.activate(13);
    EXPECT_EQ(volume->materialIds(), before);
    EXPECT_EQ(harness.lastMessage(), "Isotropic Deposition: Operation finished.");
}
