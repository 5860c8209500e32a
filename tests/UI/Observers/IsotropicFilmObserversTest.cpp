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
        volume = TestSupport::makeSlab(6, 6, 10, 4);
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

TEST_F(IsotropicFilmObservers, AcceptedDialogsSetDistanceAndMaterial)
{
    // Process 10 lists Si first; process 18 lists Si first and Cu (bulk), id 5, at index 3.
    const auto before = volume->materialIds();
    auto expected = expectedAfter<IsotropicFilmEtching>(1, 1.5f);
    ASSERT_NE(expected, before);
    answerNextDialog(1.5, 0, true);
    harness.workspace.activate(14);
    EXPECT_EQ(volume->materialIds(), expected);

    expected = expectedAfter<IsotropicFilmDeposition>(5, 2.0f);
    answerNextDialog(2.0, 3, true);
    harness.workspace.activate(13);
    EXPECT_EQ(volume->materialIds(), expected);
    EXPECT_EQ(harness.lastMessage(), "Isotropic Deposition: Operation finished.");
}

TEST_F(IsotropicFilmObservers, RejectedDialogLeavesTheCellsAlone)
{
    const auto before = volume->materialIds();
    answerNextDialog(5.0, 3, false);
    harness.workspace.activate(13);
    EXPECT_EQ(volume->materialIds(), before);
    EXPECT_EQ(harness.lastMessage(), "Isotropic Deposition: Operation finished.");
}
