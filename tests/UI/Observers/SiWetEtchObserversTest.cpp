#include "Core/Batch/ProcessEntries.h"
#include "Core/Operations/SiWetEtching/ContinousWetEtchOperation.h"
#include "Core/Operations/SiWetEtching/ContinuosWetEtching.h"
#include "Support/DialogDrivers.h"
#include "Support/SiliconVolumes.h"
#include "Support/WorkspaceHarness.h"
#include "UI/BatchRun/ProcessStepEditor.h"
#include "UI/Observers/CCAWetEtchingObserver.h"

#include <QApplication>
#include <QDoubleSpinBox>
#include <QTimer>

#include <gtest/gtest.h>

using namespace Core::Operations;
using Model::Automaton::TotalVolume;

namespace {

// Reads the depth the wet etching dialog about to be shown offers, types `depth` and accepts
// (or rejects) it.
void answerNextDialog(double depth, bool accept, double *offered = nullptr)
{
    TestSupport::answerNextDialog<Ui::Operations::BCAEtchingDialog>(
        [=](QDialog &dialog) {
            auto *box = dialog.findChild<QDoubleSpinBox *>(QStringLiteral("dblEtchDepth"));
            if (offered)
                *offered = box->value();
            EXPECT_EQ(box->minimum(), 0.0) << "the dialog cannot give a negative depth";
            box->setValue(depth);
        },
        accept);
}

} // namespace

TEST(SiWetEtchObservers, TheDialogsDepthReachesTheOperation)
{
    TestSupport::WorkspaceHarness harness;
    auto &workspace = harness.workspace;
    harness.factory->makers[29] = [&workspace] {
        auto operation = std::make_shared<ContinousWetEtchOperation>(workspace);
        operation->addObserver(std::make_shared<Ui::Observers::CCAWetEtchingObserver>(workspace, nullptr, 1));
        return operation;
    };
    auto volume = TestSupport::maskedSilicon(12, 6, 2, 6);
    workspace.getScene().addObject(volume);
    const auto expected = TestSupport::cellsAfter(*volume, [](TotalVolume &v) {
        v.createSiLattice();
        ContinuosWetEtching(v, 1.5).run();
    });

    answerNextDialog(1.5, false);
    workspace.activate(29);
    EXPECT_EQ(harness.lastMessage(), "Continuous Wet Etch: Operation canceled.");
    answerNextDialog(1.5, true);
    workspace.activate(29);
    EXPECT_EQ(harness.lastMessage(), "Continuous Wet Etch: Operation finished.");
    EXPECT_EQ(volume->materialIds(), expected);
}

TEST(SiWetEtchObservers, StepEditorsKeepTheTypeAndPresetTheStoredDepth)
{
    for (uint32_t type : {1u, 20u}) {
        double offered = -1;
        const Ui::ProcessData stored = Core::Batch::ProcessEntries::siWetEtching(type, 7.25);
        answerNextDialog(2.5, true, &offered);
        const auto edited = Ui::BatchRun::ProcessStepEditors::find(type)->edit(nullptr, &stored);
        EXPECT_EQ(offered, 7.25);
        ASSERT_TRUE(edited);
        EXPECT_TRUE(edited->hasSameContents(Core::Batch::ProcessEntries::siWetEtching(type, 2.5)));
        EXPECT_EQ(edited->getProcessParameter(QStringLiteral("Depth")).userType(), QMetaType::Double);
    }
}
