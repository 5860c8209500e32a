#include "Core/Operations/IsotropicFilmDeposition/IsotropicFilmDeposition.h"
#include "Core/Operations/IsotropicFilmDeposition/IsotropicFilmEtching.h"
#include "Support/DialogDrivers.h"
#include "Support/Volumes.h"
#include "Support/WorkspaceHarness.h"
#include "UI/Observers/IsotropicFilmDepositionObserver.h"
#include "UI/Observers/IsotropicFilmEtchingObserver.h"

#include <QComboBox>
#include <QDoubleSpinBox>

using namespace Core::Operations;
using Model::Automaton::TotalVolume;

// The observers show the options dialog and hand its distance and material to the operation; a
// rejected dialog leaves the cells alone. Process 10 lists Si first; process 18 lists Si first
// and Cu (bulk), id 5, at index 3.
TEST(IsotropicFilmObservers, DialogsSetDistanceAndMaterialOrNothingWhenRejected)
{
    TestSupport::resetCatalogues();
    TestSupport::WorkspaceHarness harness;
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
    const auto volume = TestSupport::makeSlab(6, 6, 10, 4);
    workspace.getScene().addObject(volume);
    const struct {
        uint32_t id;
        double distance;
        int materialIndex;
        bool accepted;
        std::function<void(TotalVolume &)> engine;
    } cases[] = {
        {14, 1.5, 0, true, [](TotalVolume &v) { IsotropicFilmEtching(v, 1, 1.5f).execute(); }},
        {13, 2.0, 3, true, [](TotalVolume &v) { IsotropicFilmDeposition(v, 5, 2.0f).execute(); }},
        {13, 5.0, 3, false, [](TotalVolume &) {}},
    };
    for (const auto &c : cases) {
        const auto expected = TestSupport::cellsAfter(*volume, c.engine);
        TestSupport::answerNextDialog<QDialog>(
            [&c](QDialog &dialog) {
                dialog.findChild<QDoubleSpinBox *>()->setValue(c.distance);
                dialog.findChild<QComboBox *>("cbxMaterial")->setCurrentIndex(c.materialIndex);
            },
            c.accepted);
        workspace.activate(c.id);
        EXPECT_EQ(volume->materialIds(), expected) << c.id << " " << c.accepted;
    }
    EXPECT_EQ(harness.lastMessage(), "Isotropic Deposition: Operation finished.");
}
