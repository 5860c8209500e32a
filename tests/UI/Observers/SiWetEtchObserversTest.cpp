#include "Core/Operations/SiWetEtching/ContinousWetEtchOperation.h"
#include "Core/Operations/SiWetEtching/ContinuosWetEtching.h"
#include "Support/DialogDrivers.h"
#include "Support/SiliconVolumes.h"
#include "Support/WorkspaceHarness.h"
#include "UI/Observers/CCAWetEtchingObserver.h"

#include <QDoubleSpinBox>

#include <algorithm>

#include <gtest/gtest.h>

using namespace Core::Operations;
using Model::Automaton::TotalVolume;

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

    for (const bool accept : {false, true}) {
        TestSupport::answerNextDialog<Ui::Operations::BCAEtchingDialog>(
            [](QDialog &dialog) {
                auto *box = dialog.findChild<QDoubleSpinBox *>(QStringLiteral("dblEtchDepth"));
                EXPECT_EQ(box->minimum(), 0.0) << "the dialog cannot give a negative depth";
                box->setValue(1.5);
            },
            accept);
        workspace.activate(29);
    }
    const auto &lines = harness.log->lines;
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "Continuous Wet Etch: Operation canceled."), 1);
    EXPECT_EQ(harness.lastMessage(), "Continuous Wet Etch: Operation finished.");
    EXPECT_EQ(volume->materialIds(), expected);
}
