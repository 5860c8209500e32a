#include "Support/Volumes.h"

#include "Model/Automaton/TotalVolumePainter.h"
#include "Model/Materials/MaterialFactory.h"
#include "UI/MainWindow.h"
#include "UI/Operations/ChangeVolumeVisualizationDialog.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

using Ui::Operations::ChangeVolumeVisualizationDialog;

namespace {

class ChangeVolumeVisualizationDialogTest : public ::testing::Test {
protected:
    ChangeVolumeVisualizationDialogTest()
    {
        Model::Materials::MaterialFactory::instance()->createDefaultMaterials();
    }

    template <class Widget> Widget *child(ChangeVolumeVisualizationDialog &dialog, const char *name)
    {
        return dialog.findChild<Widget *>(name);
    }
};

} // namespace

TEST_F(ChangeVolumeVisualizationDialogTest, ShowsAndReturnsTheOptions)
{
    ChangeVolumeVisualizationDialog dialog;
    EXPECT_EQ(dialog.windowTitle(), "Change Volume Visualization Options");
    EXPECT_FALSE(child<QCheckBox>(dialog, "chkRenderSurfaceAtoms")->isEnabled());
    Model::Automaton::VisualizationOptions options;
    options.atoms.siAtoms = true;
    options.atoms.siUnitCellOutlines = true;
    options.surfaceAlgorithm = 3;
    options.particleDistribution = 2;
    options.colorScale = 1;
    dialog.setOptions(options);
    EXPECT_TRUE(child<QCheckBox>(dialog, "chkRenderSurfaceAtoms")->isEnabled());
    EXPECT_EQ(child<QComboBox>(dialog, "cbxSurfaceAlgorithm")->currentText(), "Particle Count Field View");
    EXPECT_EQ(child<QComboBox>(dialog, "cbxColorScale")->currentText(), "Red to Blue");
    EXPECT_EQ(dialog.options(), options);
}

// A colour chosen for one material is kept while others are looked at, and only changed
// materials are reported.
TEST_F(ChangeVolumeVisualizationDialogTest, FilmColoursAreKeptPerMaterial)
{
    ChangeVolumeVisualizationDialog dialog;
    QColor offered;
    QColor answer = QColor(255, 0, 0, 128);
    dialog.setColorChooser([&](const QColor &initial, QWidget *) {
        offered = initial;
        return answer;
    });
    auto *materials = child<QComboBox>(dialog, "cbxMaterial");
    auto *swatch = child<QLabel>(dialog, "lblFilmColor");
    EXPECT_EQ(materials->count(), 15);
    EXPECT_EQ(swatch->styleSheet(), "background-color : #7f7f7f") << "Si's catalogue colour";
    child<QPushButton>(dialog, "btnChangeColor")->click();
    EXPECT_EQ(offered, QColor(127, 127, 127));
    EXPECT_EQ(swatch->styleSheet(), "background-color : #ff0000");
    materials->setCurrentIndex(materials->findData(3u));
    EXPECT_EQ(swatch->styleSheet(), "background-color : #7f7fff");
    answer = QColor(); // cancelled
    child<QPushButton>(dialog, "btnChangeColor")->click();
    materials->setCurrentIndex(0);
    EXPECT_EQ(swatch->styleSheet(), "background-color : #ff0000");
    const auto colors = dialog.filmColors();
    ASSERT_EQ(colors.size(), 1u);
    EXPECT_EQ(colors.at(1).r, 1.0f);
    EXPECT_NEAR(colors.at(1).a, 128.0 / 255.0, 1e-6);
}

// Rendering → Change Cell Volume Viewing Options reaches the volume through the dialog.
TEST_F(ChangeVolumeVisualizationDialogTest, TheMenuActionChangesTheVolumesSurface)
{
    auto *window = new Ui::MainWindow;
    auto volume = TestSupport::makeSlab(4, 4, 4, 2);
    window->getPresenter().getScene().addObject(volume);
    QTimer::singleShot(0, [] {
        auto *dialog = qobject_cast<ChangeVolumeVisualizationDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<QComboBox *>("cbxSurfaceAlgorithm")->setCurrentIndex(1);
        dialog->accept();
    });
    window->action("actionChange_Viewing_Options")->trigger();
    EXPECT_EQ(volume->getPainter().getSurfaceAlgorithm(),
              Model::Automaton::TotalVolumePainter::MarchingCubes);
    EXPECT_FALSE(volume->getPainter().getMarchingCubeSurface().triangles().empty());
    EXPECT_EQ(window->getPresenter().getWorkspace().getCommandInterpreter().getLastMessage(),
              "Change Visualization: Options changed.");
    window->close();
}
