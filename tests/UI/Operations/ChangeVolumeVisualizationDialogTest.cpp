#include "Support/DialogDrivers.h"
#include "Support/Volumes.h"

#include "Model/Automaton/TotalVolumePainter.h"
#include "Model/Materials/MaterialFactory.h"
#include "UI/MainWindow.h"
#include "UI/Operations/ChangeVolumeVisualizationDialog.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

using Ui::Operations::ChangeVolumeVisualizationDialog;

// A colour chosen for one material is kept while others are looked at; only changed
// materials are reported.
TEST(ChangeVolumeVisualizationDialogTest, FilmColoursAreKeptPerMaterial)
{
    Model::Materials::MaterialFactory::instance()->createDefaultMaterials();
    ChangeVolumeVisualizationDialog dialog;
    QColor answer = QColor(255, 0, 0, 128);
    std::vector<QColor> offered;
    dialog.setColorChooser([&](const QColor &initial, QWidget *) {
        offered.push_back(initial);
        return answer;
    });
    auto *materials = dialog.findChild<QComboBox *>("cbxMaterial");
    const auto swatch = [&] { return dialog.findChild<QLabel *>("lblFilmColor")->styleSheet(); };
    dialog.findChild<QPushButton *>("btnChangeColor")->click();
    materials->setCurrentIndex(materials->findData(3u));
    EXPECT_EQ(swatch(), "background-color : #7f7fff");
    answer = QColor(); // cancelled
    dialog.findChild<QPushButton *>("btnChangeColor")->click();
    materials->setCurrentIndex(0);
    EXPECT_EQ(swatch(), "background-color : #ff0000");
    EXPECT_EQ(offered, (std::vector<QColor>{QColor(127, 127, 127), QColor(127, 127, 255)}))
        << "catalogue colours";
    const auto colors = dialog.filmColors();
    ASSERT_EQ(colors.size(), 1u);
    EXPECT_EQ(colors.at(1).r, 1.0f);
    EXPECT_NEAR(colors.at(1).a, 128.0 / 255.0, 1e-6);
}

// Rendering → Change Cell Volume Viewing Options reaches the volume through the dialog.
using ChangeVolumeVisualizationMenu = TestSupport::MainWindowFixture;

TEST_F(ChangeVolumeVisualizationMenu, TheMenuActionChangesTheVolumesSurface)
{
    auto volume = TestSupport::makeSlab(4, 4, 4, 2);
    workspace().getScene().addObject(volume);
    TestSupport::answerNextDialog<ChangeVolumeVisualizationDialog>(
        [](ChangeVolumeVisualizationDialog &dialog) {
            dialog.findChild<QComboBox *>("cbxSurfaceAlgorithm")->setCurrentIndex(1);
        });
    window->action("actionChange_Viewing_Options")->trigger();
    EXPECT_EQ(volume->getPainter().getSurfaceAlgorithm(),
              Model::Automaton::TotalVolumePainter::MarchingCubes);
    EXPECT_EQ(lastMessage(), "Change Visualization: Options changed.");
}
